#include "ui/window/OpenLocation.h"

#include "ui/window/TForm1.h"

#include <QDir>
#include <QFileInfo>

namespace marulo {

namespace {

bool SameFolder(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

// The folder opens exactly as a double-click in the folder list opens one:
// drive, folder and file lists follow the folder list's signal. A run in
// progress goes on with the files of its press.
OpenResult TForm1::openLocation(const QString& path)
{
    const QFileInfo target(path);
    if (path.isEmpty() || !target.exists() || !target.isReadable())
        return OpenResult::Failed;
    const QString folder = target.isDir() ? target.absoluteFilePath() : target.absolutePath();
    ui.DLB1()->setDirectory(folder);
    if (!SameFolder(ui.DLB1()->directory(), folder))
        return OpenResult::Failed;
    if (target.isDir())
        return OpenResult::Folder;

    const QString listed = QDir(ui.FLB1()->directory()).filePath(target.fileName());
    const qsizetype row = ui.FLB1()->listedPaths().indexOf(listed);
    if (row < 0)
        return OpenResult::FileNotShown;
    ui.FLB1()->selectItem(static_cast<int>(row));
    ui.FLB1()->scrollToItem(ui.FLB1()->item(static_cast<int>(row)));
    return OpenResult::File;
}

} // namespace marulo
