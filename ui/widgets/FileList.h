#pragma once

#include <QHash>
#include <QListWidget>
#include <QString>
#include <QStringList>

#include <optional>

class QFileSystemWatcher;

namespace marulo {

// The file list: the files of one folder that match a mask, as ListFolder
// (launcher/FolderListing.h) gives them, at most one selected. Follows changes
// on disk by itself.
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
    // Repaints the row of that file where the list shows it. The converters'
    // reports come at most five times a second (ConverterProcess), and the
    // repaints of one turn of the event loop are drawn together.
    void repaintRow(const QString& path);

    QString directory_;
    QString mask_;
    QHash<QString, double> progress_; // by full path
    QFileSystemWatcher* watcher_ = nullptr;
};

} // namespace marulo
