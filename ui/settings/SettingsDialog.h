#pragma once

#include "ui/settings/Settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace marulo {

// The settings dialog: parallel conversions (Jobs), what to do with a result
// that already exists (ExistingResults) and whether to start in the last
// opened folder (RememberFolder). It shows the settings in force and hands
// back what the user chose; keeping and applying them is the window's.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(const UserSettings& current, QWidget* parent = nullptr);

    // The settings as the controls stand; values the dialog does not show are
    // those it was opened with.
    UserSettings chosen() const;

private:
    UserSettings current_;
    QSpinBox* jobs_ = nullptr;
    QComboBox* existing_ = nullptr;
    QCheckBox* remember_ = nullptr;
};

} // namespace marulo
