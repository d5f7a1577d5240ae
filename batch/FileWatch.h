#pragma once

#include "core/StepRunner.h"

#include <functional>
#include <map>
#include <optional>

namespace marulo {

// How one file of a run ended, as the batch reports it.
struct FileEnd {
    std::string inputPath;
    std::string inputName;
    bool failed = false;
    bool stopped = false;
    std::string resultPath; // the last step's output, when nothing failed
    std::string converter;  // the failed step's converter
    RunOutcome verdict;     // the failed step's verdict
};

// Passes a run's steps on to the runner that starts them and tells when a
// file's last step has ended. The run starts a file's next step from inside
// the report of the step before, so a file that starts nothing there is done.
class FileWatch : public StepRunner {
public:
    using FileEnded = std::function<void(const FileEnd&)>;

    FileWatch(StepRunner& runner, FileEnded ended);

    void Start(const StepStart& step, Done done) override;
    void Ended(int id, const RunOutcome& verdict) override;
    void StopAll() override;

private:
    struct Watched {
        FileEnd end;
        bool running = false;
    };

    StepRunner& runner_;
    FileEnded ended_;
    std::map<std::string, Watched> files_;
    std::map<int, std::string> steps_; // step id -> input path
};

} // namespace marulo
