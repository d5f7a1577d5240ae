#include "ui/log/LogWindow.h"

#include "launcher/RunLog.h"
#include "launcher/Translation.h"
#include "ui/log/BesidePlacement.h"
#include "ui/log/RunLogModel.h"
#include "ui/texts/LogTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace marulo {

namespace {

constexpr int InitialWidth = 640;
constexpr int InitialHeight = 360;
constexpr int DetailLines = 6;

QString detailsOf(const LogEntry& entry)
{
    QStringList lines;
    if (!entry.commandText.isEmpty())
        lines << Translated("LogTexts", LogTexts::DetailCommand) + entry.commandText;
    if (!entry.converter.isEmpty())
        lines << (entry.program.isEmpty() ? Translated("LogTexts", LogTexts::DetailProgramNotFound)
                                          : Translated("LogTexts", LogTexts::DetailProgram) + entry.program);
    if (!entry.lastOutput.isEmpty()) {
        lines << Translated("LogTexts", LogTexts::DetailOutput);
        for (const QString& line : entry.lastOutput)
            lines << QStringLiteral("  ") + line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

LogWindow::LogWindow(const RunLog& log, QWidget* owner, std::function<bool()> stopRun)
    : QWidget(owner, Qt::Window),
      log_(log),
      model_(new RunLogModel(log, this)),
      view_(new QTableView(this)),
      details_(new QPlainTextEdit(this)),
      copy_(new QPushButton(this)),
      stopRun_(std::move(stopRun))
{
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(Translated("LogTexts", LogTexts::WindowTitle));
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(InitialWidth, InitialHeight);

    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionResizeMode(RunLogModel::File, QHeaderView::Interactive);
    view_->setColumnWidth(RunLogModel::Time, 70);
    view_->setColumnWidth(RunLogModel::Number, 60);
    view_->setColumnWidth(RunLogModel::File, 220);
    view_->setColumnWidth(RunLogModel::Converter, 100);

    details_->setReadOnly(true);
    details_->setLineWrapMode(QPlainTextEdit::NoWrap);
    details_->setFixedHeight(details_->fontMetrics().lineSpacing() * DetailLines + 8);

    copy_->setObjectName(QStringLiteral("CopyLog"));
    copy_->setText(Translated("LogTexts", LogTexts::CopyButton));
    copy_->setToolTip(Translated("LogTexts", LogTexts::CopyHint));
    copy_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(details_);
    layout->addLayout(buttons);

    connect(copy_, &QPushButton::clicked, this, &LogWindow::copyLog);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LogWindow::showDetails);
    connect(model_, &QAbstractItemModel::dataChanged, this, &LogWindow::showDetails);
    connect(model_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar* bar = view_->verticalScrollBar();
        atEnd_ = bar->value() == bar->maximum();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, &LogWindow::followNewRows);
    view_->scrollToBottom();

    auto* escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escapeKey->setContext(Qt::WindowShortcut);
    connect(escapeKey, &QShortcut::activated, this, &LogWindow::escape);
    if (owner)
        placeBeside(*owner);
}

void LogWindow::escape()
{
    if (!stopRun_ || !stopRun_())
        close();
}

// Not at the screen's corner, where the window system would put it: beside
// the main window it reports on. The log window's frame is taken to be the
// owner's, since it has none before it is shown.
void LogWindow::placeBeside(const QWidget& owner)
{
    const QSize frameExtra = owner.frameGeometry().size() - owner.geometry().size();
    const QScreen* screen = owner.screen();
    if (!screen)
        return;
    move(BesidePosition(owner.frameGeometry(), size() + frameExtra, screen->availableGeometry()));
}

void LogWindow::copyLog()
{
    QGuiApplication::clipboard()->setText(log_.toText());
}

void LogWindow::showDetails()
{
    const QModelIndex current = view_->currentIndex();
    const QString text = current.isValid() ? detailsOf(model_->entry(current.row())) : QString();
    if (details_->toPlainText() != text)
        details_->setPlainText(text);
}

// A window scrolled to its end keeps showing the newest step; one scrolled
// back to read an earlier step stays where it is.
void LogWindow::followNewRows()
{
    if (atEnd_)
        view_->scrollToBottom();
}

} // namespace marulo
