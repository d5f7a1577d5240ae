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
    case RunOutcome::Kind::NoResult:
        return "wrote no result";
    case RunOutcome::Kind::Stopped:
        return "stopped";
    }
    return "unknown";
}

std::string LogWording(const RunOutcome& outcome)
{
    switch (outcome.kind) {
    case RunOutcome::Kind::Succeeded:
        return "succeeded";
    case RunOutcome::Kind::NotFound:
        return "not found";
    case RunOutcome::Kind::FailedToStart:
        return "could not start";
    case RunOutcome::Kind::Crashed:
        return "crashed";
    case RunOutcome::Kind::ExitedWithStatus:
        return "exit status " + std::to_string(outcome.exitStatus);
    case RunOutcome::Kind::NoResult:
        return "wrote no result";
    case RunOutcome::Kind::Stopped:
        return "stopped by the user";
    }
    return "unknown";
}

} // namespace marulo
