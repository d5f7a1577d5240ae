#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace marulo {

// How one converter step ended. A step counts as done only when the converter
// ran, exited with status 0 and left its result; everything else stops the
// file's later steps.
struct RunOutcome {
    enum class Kind {
        Succeeded,
        NotFound,      // no executable of that name in any folder looked at
        FailedToStart, // found, but the system would not start it
        Crashed,
        ExitedWithStatus, // ended normally with a non-zero status
        NoResult,         // exited with status 0 but left no file (or an empty one) at its output path
        Stopped,          // ended because the user stopped the run
    };

    Kind kind = Kind::Succeeded;
    int exitStatus = 0;
    // The converter's last lines of output (standard output and error merged),
    // kept for a failure report.
    std::vector<std::string> lastOutput;

    bool succeeded() const { return kind == Kind::Succeeded; }
};

// A short English description for the launcher's reports on standard error:
// "exited with status 2", "crashed", ...
std::string Describe(const RunOutcome& outcome);

// The outcome as the run log words it: "succeeded", "not found", "could not
// start", "crashed", "exit status 2", "wrote no result", "stopped by the user".
std::string LogWording(const RunOutcome& outcome);

// What a failed step's report tells the user after its sentence, one line:
// "not found" for a converter that is not there, else the last line the
// converter wrote (its own message), at most ReasonLimit bytes; empty when
// it succeeded or wrote nothing.
std::string FailureReason(const RunOutcome& outcome);
inline constexpr std::size_t ReasonLimit = 160;

} // namespace marulo
