#include "batch/FolderGain.h"

#include "core/AlbumMeasure.h"
#include "core/FileOperations.h"
#include "core/WorkPaths.h"

#include <QEventLoop>

namespace marulo {

namespace {

// Runs the step and waits for its end in an event loop; the runner never
// reports an end from inside Start().
RunOutcome RunStep(StepRunner& runner, const StepStart& step)
{
    RunOutcome outcome;
    QEventLoop loop;
    runner.Start(step, [&outcome, &loop](const RunOutcome& ended) {
        outcome = ended;
        loop.quit();
    });
    loop.exec();
    return outcome;
}

} // namespace

std::optional<double> MeasureFolderGain(const FolderFiles& run, StepRunner& runner, const LoudnessPolicy& policy,
                                        RunOutcome& failure)
{
    LocalFileOperations files;
    const std::string baseFolder = BaseFolder(run.folder.toStdString());
    const std::string workFolder = WorkFolder(baseFolder);
    const bool madeWorkFolder = !files.Stat(workFolder).exists;
    files.MakeFolder(workFolder);
    AlbumMeasure measure(files, baseFolder);
    std::vector<std::string> paths;
    for (const QString& path : run.paths)
        paths.push_back(path.toStdString());
    std::optional<StepStart> step = measure.Prepare(paths);
    RunOutcome verdict;
    verdict.kind = RunOutcome::Kind::FailedToStart;
    if (step) {
        step->id = 1;
        verdict = measure.Finish(RunStep(runner, *step), policy);
        if (verdict.succeeded())
            runner.Noted(step->id, measure.note());
        runner.Ended(step->id, verdict);
    }
    if (madeWorkFolder)
        files.RemoveEmptyFolder(workFolder);
    if (!verdict.succeeded()) {
        failure = verdict;
        return std::nullopt;
    }
    return measure.gain();
}

} // namespace marulo
