#pragma once

#include <QListWidget>
#include <QString>

class QFileSystemWatcher;

namespace marulo {

// The folder list: the path from the root down, then the subfolders of its
// folder. Double click opens an entry. Its folder is always the process's
// current folder: every change of folder makes it so, then announces it.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // The folder as the list reports it: no closing separator except at a root.
    QString directory() const { return directory_; }
    void setDirectory(const QString& folder);

signals:
    void directoryChanged(const QString& folder);

private:
    void fill();

    QString directory_;
    QFileSystemWatcher* watcher_ = nullptr;
};

} // namespace marulo
