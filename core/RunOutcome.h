#pragma once

#include <string>
#include <vector>

namespace marulo {

// How one converter run ended. A step counts as done only when the converter
// ran and exited with status 0; everything else stops the file's later steps.
struct RunOutcome {
    enum class Kind {
        Succeeded,
        NotFound,      // no executable of that name in any folder looked at
        FailedToStart, // found, but the system would not start it
        Crashed,
        ExitedWithStatus, // ended normally with a non-zero status
        Abandoned,        // the wait was cut short; the converter is left running
    };

    Kind kind = Kind::Succeeded;
    int exitStatus = 0;
    // The converter's last lines of output (standard output and error merged),
    // kept for a failure report.
    std::vector<std::string> lastOutput;

    bool succeeded() const { return kind == Kind::Succeeded; }
};

// A short English description for logs: "exited with status 2", "crashed", ...
std::string Describe(const RunOutcome& outcome);

} // namespace marulo
