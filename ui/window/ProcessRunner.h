#pragma once

#include "core/StepRunner.h"

#include <QString>

#include <map>
#include <memory>

namespace marulo {

class ConverterProcess;
class FileList;
class RunLog;

// Runs a conversion's steps as converter processes and feeds what they report
// to the window: each running step's share to its file's row in the file list
// and to the run log, where every step gets its entry.
class ProcessRunner : public StepRunner {
public:
    // The converters are looked for in the tool folder (the start-up folder)
    // too, never in the folder the user opened.
    ProcessRunner(FileList& fileList, RunLog& log, QString toolFolder);
    ~ProcessRunner() override;

    void Start(const StepStart& step, Done done) override;
    void Ended(int id, const RunOutcome& verdict) override;
    void StopAll() override;

private:
    struct Running {
        std::unique_ptr<ConverterProcess> process;
        qint64 logId = 0;
        QString inputPath;
    };

    FileList& fileList_;
    RunLog& log_;
    QString toolFolder_;
    std::map<int, Running> running_;
};

} // namespace marulo
