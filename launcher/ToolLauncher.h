#pragma once

#include "core/ToolRunner.h"

#include <QString>

namespace marulo {

// Runs one converter while the window stays live: a local event loop carries
// the window's events until the process has ended, so the program sleeps
// instead of polling. One launcher serves one press of a conversion button.
class ToolLauncher : public ToolRunner {
public:
    RunOutcome RunToolAndWait(const CommandLine& commandLine) override;

    // Where a converter started by bare name is found, in this order: the
    // folder of the running program, the installed converter folder, the
    // current folder, the search path. Empty when none has an executable file
    // of that name.
    static QString Locate(const QString& name);

    // Where an installation keeps the converter bridge (libexec/marulo beside
    // the program's bin/), found from the running program's folder.
    static QString InstalledConverterFolder();

private:
    // Set once a wait was cut short by the application quitting: no further
    // converter is started beside the one still running.
    bool abandoned_ = false;
};

} // namespace marulo
