#pragma once

#include <QComboBox>
#include <QHash>
#include <QString>

namespace marulo {

// The drive selector: the roots of the mounted file systems. Choosing one asks
// for the folder last visited on it (its root the first time).
class DriveSelector : public QComboBox {
    Q_OBJECT

public:
    explicit DriveSelector(QWidget* parent = nullptr);

    // Re-reads the mounted file systems, keeping the current one.
    void refreshDrives();

    // The folder list moved: remember the folder and show its drive.
    void noteFolder(const QString& folder);

    // The mount root that holds folder (the deepest listed root above it).
    QString driveOf(const QString& folder) const;

signals:
    void folderRequested(const QString& folder);

private:
    void onChosen(int index);

    QHash<QString, QString> lastFolder_;
};

} // namespace marulo
