#include "ui/widgets/FileList.h"

#include "ui/widgets/ListRows.h"
#include "ui/widgets/ProgressRowDelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace marulo {

namespace {

constexpr int RowHeight = 12;
// A tenth of a second between repaints of a running row: smooth to the eye,
// and cheap while a converter reports its progress many times a second.
constexpr int RepaintInterval = 200;

// Patterns are compared without regard to case: SONG.WAV is a WAV file.
QList<QRegularExpression> patternsOf(const QString& mask)
{
    QList<QRegularExpression> patterns;
    for (const QString& part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                           QRegularExpression::CaseInsensitiveOption));
    }
    return patterns;
}

bool matchesAny(const QString& name, const QList<QRegularExpression>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [&name](const QRegularExpression& p) { return p.match(name).hasMatch(); });
}

} // namespace

FileList::FileList(QWidget* parent)
    : QListWidget(parent),
      watcher_(new QFileSystemWatcher(this)),
      repaintTimer_(new QTimer(this))
{
    setItemDelegate(new ProgressRowDelegate(
        [this](const QModelIndex& index) { return progress_.isEmpty() ? std::nullopt : progress(pathAt(index)); },
        this));
    repaintTimer_->setSingleShot(true);
    repaintTimer_->setInterval(RepaintInterval);
    connect(repaintTimer_, &QTimer::timeout, this, &FileList::repaintChanged);
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
    QStringList names;
    if (!directory_.isEmpty()) {
        const QList<QRegularExpression> patterns = patternsOf(mask_);
        const QFileInfoList entries = QDir(directory_).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            if (matchesAny(entry.fileName(), patterns))
                names.append(entry.fileName());
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });

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
    markChanged(path);
}

void FileList::clearProgress(const QString& path)
{
    if (progress_.remove(path) > 0)
        markChanged(path);
}

void FileList::markChanged(const QString& path)
{
    changed_.insert(path);
    if (!repaintTimer_->isActive())
        repaintTimer_->start();
}

void FileList::repaintChanged()
{
    const QDir folder(directory_);
    for (const QString& path : std::as_const(changed_)) {
        const QFileInfo file(path);
        if (directory_.isEmpty() || QDir(file.absolutePath()) != folder)
            continue;
        for (QListWidgetItem* shown : findItems(file.fileName(), Qt::MatchFixedString | Qt::MatchCaseSensitive))
            viewport()->update(visualItemRect(shown));
    }
    changed_.clear();
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
