#pragma once

#include <QHash>
#include <QListWidget>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class QFileSystemWatcher;
class QTimer;

namespace marulo {

// The file list: the plain files of one folder that match a mask of one or
// more patterns separated by ";" (extensions compared without regard to case),
// sorted by name, at most one selected. Follows changes on disk by itself.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    void setDirectory(const QString& folder);

    QString mask() const { return mask_; }
    // Reads the folder again at once; nothing is selected afterwards.
    void setMask(const QString& mask);

    // Selects the item at index; an index past either end leaves the selection as it is.
    void selectItem(int index);
    // Full path of the selected file, empty when none is selected.
    QString selectedPath() const;
    // Full paths of every listed file, in list order.
    QStringList listedPaths() const;

    // Reads the folder again, keeping the selection where that file is still listed.
    void refresh();

    // A running conversion's share for the file at path (full path), drawn in
    // its row wherever the list shows it; cleared when the step ends.
    void setProgress(const QString& path, double percent);
    void clearProgress(const QString& path);
    std::optional<double> progress(const QString& path) const;
    // Full path of the file in a row of the list.
    QString pathAt(const QModelIndex& index) const;

private:
    // Repaints the rows whose share changed since the last time, at most ten
    // times a second however often the converters report.
    void markChanged(const QString& path);
    void repaintChanged();

    QString directory_;
    QString mask_;
    QHash<QString, double> progress_; // by full path
    QFileSystemWatcher* watcher_ = nullptr;
    QSet<QString> changed_; // paths whose row waits for a repaint
    QTimer* repaintTimer_ = nullptr;
};

} // namespace marulo
