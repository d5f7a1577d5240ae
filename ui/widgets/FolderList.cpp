#include "ui/widgets/FolderList.h"

#include "ui/widgets/ListRows.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace marulo {

namespace {

constexpr int RowHeight = 16;
constexpr int IndentStep = 8;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int PathRole = Qt::UserRole;

// Draws each entry indented by its depth, so the path reads as a tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(LevelRole).toInt() * IndentStep);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(LevelRole).toInt() * IndentStep;
        size.setHeight(RowHeight);
        return size;
    }
};

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent), watcher_(new QFileSystemWatcher(this))
{
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(RowHeight - 2, RowHeight - 2));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(PathRole).toString()); });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        // The open folder itself may have been removed: fall back to the
        // nearest folder above it that still exists.
        QString folder = directory_;
        while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
            folder = QFileInfo(folder).absolutePath();
        if (folder != directory_)
            setDirectory(folder);
        else
            followDisk();
    });
}

void FolderList::setDirectory(const QString& folder)
{
    const QString wanted = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // The list's folder and the process's current folder never part: if the
    // process cannot enter the folder, the list stays where it is.
    if (wanted.isEmpty() || !QFileInfo(wanted).isDir() || !QDir::setCurrent(wanted))
        return;
    const QString current = QDir::currentPath();
    const bool moved = current != directory_;
    directory_ = current;
    if (moved) {
        if (!watcher_->directories().isEmpty())
            watcher_->removePaths(watcher_->directories());
        // The parent too: while the process stands in the folder, its removal
        // shows only as a change of the parent.
        watcher_->addPath(directory_);
        if (!QDir(directory_).isRoot())
            watcher_->addPath(QFileInfo(directory_).absolutePath());
    }
    fill();
    if (moved)
        emit directoryChanged(directory_);
}

// The path from the root down to the folder, then its subfolders, sorted by
// name without regard to case.
QList<FolderList::Entry> FolderList::entries() const
{
    QList<Entry> rows;
    QStringList chain;
    for (QString folder = directory_; !folder.isEmpty(); folder = QFileInfo(folder).absolutePath()) {
        chain.prepend(folder);
        if (QDir(folder).isRoot())
            break;
    }
    int level = 0;
    for (const QString& folder : chain)
        rows.append({folder, QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName(), level++, true});

    QStringList subfolders = QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(subfolders.begin(), subfolders.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const QDir here(directory_);
    for (const QString& name : subfolders)
        rows.append({here.filePath(name), name, level, false});
    return rows;
}

QListWidgetItem* FolderList::makeItem(const Entry& entry) const
{
    const QIcon icon = style()->standardIcon(entry.onPath ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto* item = new QListWidgetItem(icon, entry.name);
    item->setData(PathRole, entry.path);
    item->setData(LevelRole, entry.level);
    return item;
}

// A new folder: every row anew, the opened folder highlighted.
void FolderList::fill()
{
    clear();
    const QList<Entry> rows = entries();
    int currentRow = -1;
    for (const Entry& entry : rows) {
        addItem(makeItem(entry));
        if (entry.onPath)
            ++currentRow;
    }
    setCurrentRow(currentRow);
}

// The same folder changed on disk: only folders that came or went change rows,
// so what the user highlighted and scrolled to stays where it is.
void FolderList::followDisk()
{
    const QList<Entry> rows = entries();
    QHash<QString, Entry> byPath;
    QStringList paths;
    for (const Entry& entry : rows) {
        byPath.insert(entry.path, entry);
        paths.append(entry.path);
    }
    const RowUpdate change = UpdateRows(*this, paths, PathRole,
                                        [this, &byPath](const QString& path) { return makeItem(byPath.value(path)); });
    if (change.currentRemoved)
        setCurrentRow(change.neighbour);
}

} // namespace marulo
