#pragma once

#include "core/StepRunner.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace marulo {

class ConverterProcess;
class RunLog;

// Runs a conversion's steps as converter processes and passes on what they
// report: each running step's share, by the input path of its file, to
// whoever shows it, and every step to the run log, where it gets its entry.
class ProcessRunner : public StepRunner {
public:
    // The share of the file at inputPath, as often as the converter reports
    // it (ConverterProcess::ProgressIntervalMs); nothing once its step ended.
    using ProgressShown = std::function<void(const QString& inputPath, std::optional<double> percent)>;

    // The converters are looked for in the tool folder (the start-up folder)
    // too, never in the folder the user opened.
    ProcessRunner(RunLog& log, ProgressShown progress, QString toolFolder);
    ~ProcessRunner() override;

    void Start(const StepStart& step, Done done) override;
    void Ended(int id, const RunOutcome& verdict) override;
    void Noted(int id, const std::string& note) override;
    void StopAll() override;

private:
    struct Running {
        std::unique_ptr<ConverterProcess> process;
        qint64 logId = 0;
        QString inputPath;
        QString note; // follows the outcome in the log: "succeeded, gain -7.3 dB"
    };

    RunLog& log_;
    ProgressShown progress_;
    QString toolFolder_;
    std::map<int, Running> running_;
};

} // namespace marulo
