#pragma once

#include <QString>

namespace marulo {

// Where the program finds the converters it starts by bare name.
class ToolLauncher {
public:
    // Where a converter started by bare name is found, in this order: the
    // folder of the running program, the installed converter folder, the
    // start-up folder (the folder the program was started in, captured once
    // by its caller; empty for none), the absolute folders of the search
    // path. Never the current folder, which follows the folder the user
    // opened: a converter-named file in a downloaded folder is not run.
    // Empty when none has an executable file of that name.
    static QString Locate(const QString& name, const QString& startupFolder);

    // Where an installation keeps the converter bridge (libexec/marulo beside
    // the program's bin/), found from the running program's folder.
    static QString InstalledConverterFolder();
};

} // namespace marulo
