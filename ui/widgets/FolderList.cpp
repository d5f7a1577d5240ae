#include "ui/widgets/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
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

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(LevelRole).toInt() * IndentStep);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(LevelRole).toInt() * IndentStep;
        size.setHeight(RowHeight);
        return size;
    }
};

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent), watcher_(new QFileSystemWatcher(this)) {
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
            fill();
    });
}

void FolderList::setDirectory(const QString& folder) {
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

void FolderList::fill() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The path from the root down to the folder, then its subfolders.
    QStringList chain;
    for (QString folder = directory_; !folder.isEmpty(); folder = QFileInfo(folder).absolutePath()) {
        chain.prepend(folder);
        if (QDir(folder).isRoot())
            break;
    }
    int level = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(openIcon, name, this);
        item->setData(PathRole, folder);
        item->setData(LevelRole, level++);
    }
    const int currentRow = count() - 1;

    QStringList subfolders = QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(subfolders.begin(), subfolders.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const QDir here(directory_);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closedIcon, name, this);
        item->setData(PathRole, here.filePath(name));
        item->setData(LevelRole, level);
    }
    setCurrentRow(currentRow);
}

} // namespace marulo
