#pragma once

#include "core/CommandLine.h"
#include "core/RunOutcome.h"
#include "launcher/OutputTail.h"
#include "launcher/ProgressScan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace marulo {

// One converter run, started without waiting for it. The converter runs in a
// process group of its own, so that stopping it reaches whatever it started
// (the tool behind the converter bridge) and no orphan keeps writing. Its
// merged output is read as it comes: the tail is kept for a failure report and
// every chunk goes to the progress scan.
class ConverterProcess : public QObject {
    Q_OBJECT

public:
    // How long a stopped converter has to end after SIGTERM before SIGKILL.
    static constexpr int KillAfterMs = 2000;
    // Progress reports at most this often; a value held back is reported when
    // the interval is over, and the last one before the end.
    static constexpr int ProgressIntervalMs = 200;

    explicit ConverterProcess(QObject* parent = nullptr);
    ~ConverterProcess() override;

    // Called once with how the converter ended; never from inside start().
    void setOnFinished(std::function<void(const RunOutcome&)> onFinished) { onFinished_ = std::move(onFinished); }
    // Called when the share the converter reports has changed, throttled.
    void setOnProgress(std::function<void(double)> onProgress) { onProgress_ = std::move(onProgress); }

    // Looks the converter up by the line's first argument (see
    // ToolLauncher::Locate for the start-up folder) and starts it in the
    // current folder, standard input closed.
    void start(const CommandLine& commandLine, const QString& startupFolder = {});
    // SIGTERM to the converter's group now, SIGKILL 2 s later if it has not
    // ended; the outcome is then Stopped.
    void stop();

    // The executable the lookup found; empty when none was found.
    QString program() const { return program_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    std::optional<double> percent() const { return scan_.percent(); }

private:
    void readOutput();
    void reportProgress(bool last);
    void end(RunOutcome outcome);
    void signalGroup(int signal);

    QProcess process_;
    QTimer killTimer_;
    QTimer flushTimer_; // armed only while a value is held back
    QString name_;      // the line's first argument, for the reports
    QString program_;
    qint64 group_ = 0; // the converter's pid, which is its group's id
    ProgressScan scan_;
    OutputTail tail_;
    QElapsedTimer sinceReport_;
    std::optional<double> reported_;
    bool stopRequested_ = false;
    bool starting_ = false;
    bool ended_ = false;
    std::function<void(const RunOutcome&)> onFinished_;
    std::function<void(double)> onProgress_;
};

} // namespace marulo
