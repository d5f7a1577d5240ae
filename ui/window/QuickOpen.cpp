#include "core/WorkPaths.h"
#include "launcher/Translation.h"
#include "ui/texts/MenuTexts.h"
#include "ui/widgets/PathEntry.h"
#include "ui/window/DropCatcher.h"
#include "ui/window/FileManager.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace marulo {

namespace {

// Over the drive selector and the tops of the folder and file lists.
constexpr QRect PathEntryPlace(8, 190, 333, 20);

QString resultsFolderName()
{
    return QString::fromUtf8(WorkFolderName.data(), static_cast<qsizetype>(WorkFolderName.size()));
}

QAction* addEntry(QMenu* menu, const char* text, const char* name)
{
    QAction* action = menu->addAction(Translated("MenuTexts", text));
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

// Quicker ways to a folder, on inputs the window leaves unused: drops, Ctrl+L,
// Ctrl+Shift+O and the lists' right-click menus.
void TForm1::startQuickOpen()
{
    setAcceptDrops(true);
    // The value fields would take a dropped path as text; the window takes it.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setAcceptDrops(false);
    auto* drops = new DropCatcher([this](const QString& path) { openLocation(path); }, this);
    installEventFilter(drops);
    ui.DLB1()->viewport()->installEventFilter(drops);
    ui.FLB1()->viewport()->installEventFilter(drops);

    pathEntry_ = new PathEntry(ui.P1());
    pathEntry_->setGeometry(PathEntryPlace);
    connect(pathEntry_, &PathEntry::pathEntered, this, &TForm1::openTypedPath);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, pathEntry_,
            &PathEntry::start);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this), &QShortcut::activated, this,
            &TForm1::openResultsFolder);

    for (QListWidget* list : {static_cast<QListWidget*>(ui.DLB1()), static_cast<QListWidget*>(ui.FLB1())}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& position) { showListMenu(list, position); });
    }
}

void TForm1::openTypedPath(const QString& path)
{
    if (openLocation(path) == OpenResult::Failed)
        pathEntry_->markMissing();
    else
        pathEntry_->finish();
}

QString TForm1::resultsFolder() const
{
    return QDir(ui.DLB1()->directory()).filePath(resultsFolderName());
}

void TForm1::openResultsFolder()
{
    if (!QFileInfo(resultsFolder()).isDir()) {
        showNotice(Translated("MenuTexts", MenuTexts::ResultsFolderMissing).arg(resultsFolderName()));
        return;
    }
    showInFileManager(resultsFolder());
}

// The desktop's own file manager, through whatever the desktop names for folders.
void TForm1::showInFileManager(const QString& folder)
{
    ShowInFileManager(folder, this, [this, folder] {
        showNotice(Translated("MenuTexts", MenuTexts::DesktopOpenFailed).arg(QDir::toNativeSeparators(folder)));
    });
}

void TForm1::showListMenu(QListWidget* list, const QPoint& position)
{
    const QString folder = ui.DLB1()->directory();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ListMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);

    QAction* results = addEntry(menu, MenuTexts::OpenResults, "OpenResults");
    results->setText(results->text().arg(resultsFolderName()));
    results->setEnabled(QFileInfo(resultsFolder()).isDir());
    connect(results, &QAction::triggered, this, &TForm1::openResultsFolder);

    QAction* parent = addEntry(menu, MenuTexts::OpenParent, "OpenParent");
    parent->setEnabled(!QDir(folder).isRoot());
    connect(parent, &QAction::triggered, this, [this, folder] { openLocation(QFileInfo(folder).absolutePath()); });

    QAction* home = addEntry(menu, MenuTexts::OpenHome, "OpenHome");
    connect(home, &QAction::triggered, this, [this] { openLocation(QDir::homePath()); });

    if (list == ui.FLB1()) {
        // The file under the pointer, else the selected one.
        const QListWidgetItem* item = list->itemAt(position);
        const QString file = item ? QDir(ui.FLB1()->directory()).filePath(item->text()) : ui.FLB1()->selectedPath();
        QAction* show = addEntry(menu, MenuTexts::ShowFile, "ShowFile");
        show->setEnabled(!file.isEmpty());
        connect(show, &QAction::triggered, this, [this, file] { showInFileManager(QFileInfo(file).absolutePath()); });
    }
    menu->popup(list->viewport()->mapToGlobal(position));
}

} // namespace marulo
