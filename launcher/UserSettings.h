#pragma once

#include "core/RunPolicy.h"
#include "launcher/Language.h"

#include <QString>

namespace marulo {

// What the user's settings file holds. The defaults are the program's own
// behaviour, which is all there is while the user has written no file.
struct UserSettings {
    RunPolicy policy;
    bool rememberFolder = false;
    QString lastFolder; // the folder open at the last exit, while rememberFolder is on
    Language language = Language::Japanese;

    bool operator==(const UserSettings&) const = default;
};

// The most converters "ALL Encode" may run at once: four per processor.
int MaxJobs();

// Every setting at its declared default (launcher/SettingDeclarations.cpp);
// the same as UserSettings{}.
UserSettings DefaultSettings();

// $XDG_CONFIG_HOME/marulo/marulo.conf, or ~/.config/marulo/marulo.conf when
// the variable is unset, empty or not an absolute path.
QString SettingsFilePath();

// The file's settings; the defaults when there is no file, and for each value
// that is missing, not a number, out of range or an unknown word.
UserSettings LoadSettings(const QString& path);

// Writes every setting to the file, making its folder if need be. False when
// the file could not be written.
bool SaveSettings(const UserSettings& settings, const QString& path);

// Writes only the last folder, at exit with remember on. False on failure.
bool SaveLastFolder(const QString& folder, const QString& path);

// What the program opens in the window after its start-up check: the folder
// or file given on the command line (argumentFolder), else the remembered
// folder with remember on and that folder still there; empty to stay in the
// folder the program started in.
QString StartFolder(const UserSettings& settings, const QString& argumentFolder);

} // namespace marulo
