#include "ui/widgets/PathEntry.h"

#include "launcher/Translation.h"
#include "ui/texts/MenuTexts.h"

#include <QCompleter>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QStringListModel>

namespace marulo {

namespace {

const char* const MissingStyle = "QLineEdit#PathEntry { border: 1px solid red; }";

QString ExpandHome(const QString& text)
{
    if (text == QLatin1String("~"))
        return QDir::homePath();
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

} // namespace

PathEntry::PathEntry(QWidget* parent)
    : QLineEdit(parent),
      missing_(new QLabel(Translated("MenuTexts", MenuTexts::PathMissing), this)),
      folders_(new QStringListModel(this))
{
    setObjectName(QStringLiteral("PathEntry"));
    // Reached only by its shortcut: never a stop of the window's tab order.
    setFocusPolicy(Qt::ClickFocus);
    setPlaceholderText(Translated("MenuTexts", MenuTexts::PathHint));
    missing_->setObjectName(QStringLiteral("PathMissing"));
    QPalette red = missing_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    missing_->setPalette(red);
    missing_->hide();

    auto* completer = new QCompleter(folders_, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer);
    connect(this, &QLineEdit::textEdited, this, &PathEntry::offerFolders);
    connect(this, &QLineEdit::textChanged, this, &PathEntry::unmark);
    hide();
}

void PathEntry::start()
{
    if (window()->focusWidget() != this)
        returnFocus_ = window()->focusWidget();
    clear();
    unmark();
    offeredFrom_.clear();
    show();
    raise();
    setFocus(Qt::ShortcutFocusReason);
}

QString PathEntry::path() const
{
    return ExpandHome(text().trimmed());
}

bool PathEntry::missingMarked() const
{
    return missing_->isVisible();
}

void PathEntry::markMissing()
{
    setStyleSheet(QString::fromLatin1(MissingStyle));
    missing_->adjustSize();
    setTextMargins(0, 0, missing_->width() + 4, 0);
    missing_->move(width() - missing_->width() - 3, (height() - missing_->height()) / 2);
    missing_->show();
}

void PathEntry::unmark()
{
    if (!missing_->isVisible())
        return;
    missing_->hide();
    setTextMargins(0, 0, 0, 0);
    setStyleSheet(QString());
}

// Offers the subfolders of the folder the typed text is in, completing the last part.
void PathEntry::offerFolders(const QString& text)
{
    const QString typed = ExpandHome(text);
    const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    const QString folder = typed.left(slash + 1);
    if (folder == offeredFrom_)
        return;
    offeredFrom_ = folder;
    // Offered as typed, so a "~" the user typed stays in the completion.
    const QString shownFolder = text.left(text.lastIndexOf(QLatin1Char('/')) + 1);
    QStringList offers;
    const QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        offers.append(shownFolder + name);
    folders_->setStringList(offers);
}

// Esc belongs to the field while it is open: the window's own Esc (which
// stops a running conversion) must not take it first.
bool PathEntry::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void PathEntry::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit pathEntered(path());
        return;
    case Qt::Key_Escape:
        event->accept();
        finish();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

// The focus went elsewhere, where the user put it: the field just goes. The
// completer's list takes the focus for a moment: that is no leaving.
void PathEntry::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (finishing_ || event->reason() == Qt::PopupFocusReason || !isVisible())
        return;
    returnFocus_ = nullptr;
    hide();
}

void PathEntry::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    if (missing_->isVisible())
        markMissing();
}

void PathEntry::finish()
{
    finishing_ = true;
    if (returnFocus_ && returnFocus_->isVisible())
        returnFocus_->setFocus(Qt::OtherFocusReason);
    returnFocus_ = nullptr;
    hide();
    finishing_ = false;
}

} // namespace marulo
