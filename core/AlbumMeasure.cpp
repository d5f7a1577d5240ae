#include "core/AlbumMeasure.h"

#include "core/ConverterTable.h"
#include "core/WorkPaths.h"

namespace marulo {

AlbumMeasure::AlbumMeasure(FileOperations& files, std::string baseFolder)
    : files_(files),
      // Hidden, and in a name no input's stem gives (stems keep their dot).
      listPath_(OutputPath(baseFolder, ".marulo-album.", "txt"))
{
}

std::optional<StepStart> AlbumMeasure::Prepare(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list += path + '\n';
    if (!files_.WriteFile(listPath_, list))
        return std::nullopt;
    StepStart step;
    step.command = BuildMeasureCommand(listPath_);
    step.converter = std::string(NormalizerExecutable);
    step.outputPath = listPath_;
    // No file of its own: the log names it as the album's measuring step.
    return step;
}

RunOutcome AlbumMeasure::Finish(const RunOutcome& outcome, const LoudnessPolicy& policy)
{
    files_.RemoveFile(listPath_);
    RunOutcome verdict = outcome;
    if (!verdict.succeeded())
        return verdict;
    const std::optional<MeasuredLoudness> measured = ParseMeasured(outcome.lastOutput);
    if (!measured) {
        verdict.kind = RunOutcome::Kind::NoResult;
        return verdict;
    }
    gain_ = AlbumGain(policy.target, policy.ceiling, *measured);
    return verdict;
}

} // namespace marulo
