#include "batch/FileWatch.h"

namespace marulo {

FileWatch::FileWatch(StepRunner& runner, FileEnded ended) : runner_(runner), ended_(std::move(ended)) {}

void FileWatch::Start(const StepStart& step, Done done)
{
    Watched& file = files_[step.inputPath];
    file.end.inputPath = step.inputPath;
    file.end.inputName = step.inputName;
    file.end.resultPath = step.outputPath;
    file.end.converter = step.converter;
    file.running = true;
    steps_[step.id] = step.inputPath;
    const std::string path = step.inputPath;
    runner_.Start(step, [this, path, done = std::move(done)](const RunOutcome& outcome) {
        files_[path].running = false;
        done(outcome);
        const auto found = files_.find(path);
        if (found == files_.end() || found->second.running)
            return;
        const FileEnd end = std::move(found->second.end);
        files_.erase(found);
        ended_(end);
    });
}

void FileWatch::Ended(int id, const RunOutcome& verdict)
{
    const auto found = steps_.find(id);
    if (found != steps_.end()) {
        FileEnd& end = files_[found->second].end;
        end.stopped = verdict.kind == RunOutcome::Kind::Stopped;
        end.failed = !verdict.succeeded() && !end.stopped;
        end.verdict = verdict;
        steps_.erase(found);
    }
    runner_.Ended(id, verdict);
}

void FileWatch::StopAll()
{
    runner_.StopAll();
}

} // namespace marulo
