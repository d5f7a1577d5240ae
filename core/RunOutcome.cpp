#include "core/RunOutcome.h"

#include <array>

namespace marulo {

namespace {

// Each outcome in two voices: the launcher's report on standard error, whose
// wording scripts may already read, and the run log the user reads. A status
// follows either text when the converter ended with one.
struct Wording {
    RunOutcome::Kind kind;
    const char* report;
    const char* log;
};

constexpr std::array<Wording, 7> Wordings{{
    {RunOutcome::Kind::Succeeded, "succeeded", "succeeded"},
    {RunOutcome::Kind::NotFound, "not found", "not found"},
    {RunOutcome::Kind::FailedToStart, "failed to start", "could not start"},
    {RunOutcome::Kind::Crashed, "crashed", "crashed"},
    {RunOutcome::Kind::ExitedWithStatus, "exited with status ", "exit status "},
    {RunOutcome::Kind::NoResult, "wrote no result", "wrote no result"},
    {RunOutcome::Kind::Stopped, "stopped", "stopped by the user"},
}};

std::string Worded(const RunOutcome& outcome, const char* Wording::*voice)
{
    for (const Wording& wording : Wordings) {
        if (wording.kind != outcome.kind)
            continue;
        std::string text = wording.*voice;
        if (outcome.kind == RunOutcome::Kind::ExitedWithStatus)
            text += std::to_string(outcome.exitStatus);
        return text;
    }
    return "unknown";
}

} // namespace

std::string Describe(const RunOutcome& outcome)
{
    return Worded(outcome, &Wording::report);
}

std::string LogWording(const RunOutcome& outcome)
{
    return Worded(outcome, &Wording::log);
}

std::string FailureReason(const RunOutcome& outcome)
{
    if (outcome.kind == RunOutcome::Kind::NotFound)
        return "not found";
    if (outcome.succeeded() || outcome.kind == RunOutcome::Kind::Stopped || outcome.lastOutput.empty())
        return {};
    std::string line = outcome.lastOutput.back();
    const auto first = line.find_first_not_of(" \t");
    line.erase(0, first == std::string::npos ? line.size() : first);
    if (line.size() <= ReasonLimit)
        return line;
    // Cut before a whole character, never inside one.
    std::size_t cut = ReasonLimit;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0U) == 0x80U)
        --cut;
    line.resize(cut);
    return line + "...";
}

} // namespace marulo
