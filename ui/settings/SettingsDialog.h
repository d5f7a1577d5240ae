#pragma once

#include "launcher/SettingDeclarations.h"
#include "launcher/UserSettings.h"

#include <QDialog>

#include <utility>
#include <vector>

namespace marulo {

// The settings dialog: one row for each declared setting that has a label
// (launcher/SettingDeclarations.cpp), in the order declared. It shows the
// settings in force and hands back what the user chose; keeping and applying
// them is the window's.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(const UserSettings& current, QWidget* parent = nullptr);

    // The settings as the controls stand; values the dialog does not show are
    // those it was opened with.
    UserSettings chosen() const;

private:
    UserSettings current_;
    std::vector<std::pair<const SettingDeclaration*, QWidget*>> rows_;
};

} // namespace marulo
