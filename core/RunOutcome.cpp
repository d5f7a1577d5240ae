#include "core/RunOutcome.h"

namespace marulo {

std::string Describe(const RunOutcome& outcome)
{
    switch (outcome.kind) {
    case RunOutcome::Kind::Succeeded:
        return "succeeded";
    case RunOutcome::Kind::NotFound:
        return "not found";
    case RunOutcome::Kind::FailedToStart:
        return "failed to start";
    case RunOutcome::Kind::Crashed:
        return "crashed";
    case RunOutcome::Kind::ExitedWithStatus:
        return "exited with status " + std::to_string(outcome.exitStatus);
    case RunOutcome::Kind::Abandoned:
        return "abandoned while still running";
    }
    return "unknown";
}

} // namespace marulo
