#include "ui/widgets/FileList.h"

#include "launcher/FolderListing.h"
#include "ui/widgets/ListRows.h"
#include "ui/widgets/ProgressRowDelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace marulo {

namespace {

constexpr int RowHeight = 12;

} // namespace

FileList::FileList(QWidget* parent) : QListWidget(parent), watcher_(new QFileSystemWatcher(this))
{
    setItemDelegate(new ProgressRowDelegate(
        [this](const QModelIndex& index) { return progress_.isEmpty() ? std::nullopt : progress(pathAt(index)); },
        this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FileList::refresh);
}

void FileList::setDirectory(const QString& folder)
{
    directory_ = folder;
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    if (!directory_.isEmpty())
        watcher_->addPath(directory_);
    clear();
    refresh();
}

void FileList::setMask(const QString& mask)
{
    mask_ = mask;
    clear();
    refresh();
}

void FileList::refresh()
{
    const QStringList names = ListFolder(directory_, mask_);

    // Files that come and go around the selection leave it and the scroll
    // position alone. A selected file that goes takes the selection with it:
    // a neighbour selected in its place would be converted unasked.
    UpdateRows(*this, names, Qt::DisplayRole, [](const QString& name) {
        auto* item = new QListWidgetItem(name);
        item->setSizeHint(QSize(0, RowHeight));
        return item;
    });
}

void FileList::selectItem(int index)
{
    if (index < 0 || index >= count())
        return;
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

QString FileList::selectedPath() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty() || directory_.isEmpty())
        return {};
    return QDir(directory_).filePath(selected.first()->text());
}

QStringList FileList::listedPaths() const
{
    QStringList paths;
    const QDir folder(directory_);
    for (int i = 0; i < count(); ++i)
        paths.append(folder.filePath(item(i)->text()));
    return paths;
}

void FileList::setProgress(const QString& path, double percent)
{
    const auto found = progress_.constFind(path);
    if (found != progress_.constEnd() && *found == percent)
        return;
    progress_.insert(path, percent);
    repaintRow(path);
}

void FileList::clearProgress(const QString& path)
{
    if (progress_.remove(path) > 0)
        repaintRow(path);
}

void FileList::repaintRow(const QString& path)
{
    const QFileInfo file(path);
    if (directory_.isEmpty() || QDir(file.absolutePath()) != QDir(directory_))
        return;
    for (QListWidgetItem* shown : findItems(file.fileName(), Qt::MatchFixedString | Qt::MatchCaseSensitive))
        viewport()->update(visualItemRect(shown));
}

QString FileList::pathAt(const QModelIndex& index) const
{
    return QDir(directory_).filePath(index.data(Qt::DisplayRole).toString());
}

std::optional<double> FileList::progress(const QString& path) const
{
    const auto found = progress_.constFind(path);
    if (found == progress_.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace marulo
