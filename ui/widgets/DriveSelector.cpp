#include "ui/widgets/DriveSelector.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <algorithm>

namespace marulo {

namespace {

bool IsUnder(const QString& folder, const QString& root)
{
    if (root == QDir::rootPath())
        return true;
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

} // namespace

DriveSelector::DriveSelector(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    refreshDrives();
    connect(this, &QComboBox::activated, this, &DriveSelector::onChosen);
}

void DriveSelector::refreshDrives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Bind-mounted single files (containers mount /etc/hosts so) are no drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots.append(QDir::cleanPath(volume.rootPath()));
    }
    if (!roots.contains(QDir::rootPath()))
        roots.append(QDir::rootPath());
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());

    const QString current = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(roots);
    const int keep = findText(current);
    if (keep >= 0)
        setCurrentIndex(keep);
}

QString DriveSelector::driveOf(const QString& folder) const
{
    QString best = QDir::rootPath();
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        if (IsUnder(folder, root) && root.size() > best.size())
            best = root;
    }
    return best;
}

void DriveSelector::noteFolder(const QString& folder)
{
    const QString drive = driveOf(folder);
    lastFolder_.insert(drive, folder);
    const QSignalBlocker blocker(this);
    int index = findText(drive);
    if (index < 0) {
        refreshDrives();
        index = findText(drive);
    }
    setCurrentIndex(index);
}

void DriveSelector::onChosen(int index)
{
    const QString drive = itemText(index);
    QString folder = lastFolder_.value(drive, drive);
    // The folder last visited may be gone; its drive is still there.
    if (!QFileInfo(folder).isDir())
        folder = drive;
    emit folderRequested(folder);
}

} // namespace marulo
