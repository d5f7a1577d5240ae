#include "launcher/ConverterProcess.h"

#include "launcher/LauncherLog.h"
#include "launcher/ToolLauncher.h"

#include <QDir>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace marulo {

namespace {

void ReportFailure(const QString& program, const RunOutcome& outcome)
{
    qCWarning(lcLauncher, "%s: %s", qUtf8Printable(program), Describe(outcome).c_str());
    for (const std::string& line : outcome.lastOutput)
        qCWarning(lcLauncher, "  %s", line.c_str());
}

} // namespace

ConverterProcess::ConverterProcess(QObject* parent) : QObject(parent)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardInputFile(QProcess::nullDevice());
    // In the child, between fork and exec: a group of its own, so that one
    // signal to the group reaches the converter and everything it starts.
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });

    killTimer_.setSingleShot(true);
    killTimer_.setInterval(KillAfterMs);
    connect(&killTimer_, &QTimer::timeout, this, [this] { signalGroup(SIGKILL); });
    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { reportProgress(true); });

    connect(&process_, &QProcess::started, this, [this] { group_ = process_.processId(); });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &ConverterProcess::readOutput);
    // A failed start comes without finished(); a crash comes as Crashed and
    // then finished(CrashExit), which settles it below.
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end({RunOutcome::Kind::FailedToStart, 0, {}});
    });
    connect(&process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        readOutput();
        RunOutcome outcome;
        if (stopRequested_)
            outcome.kind = RunOutcome::Kind::Stopped;
        else if (status == QProcess::CrashExit)
            outcome.kind = RunOutcome::Kind::Crashed;
        else if (exitCode != 0)
            outcome = {RunOutcome::Kind::ExitedWithStatus, exitCode, {}};
        end(std::move(outcome));
    });
}

ConverterProcess::~ConverterProcess()
{
    // The QProcess member reaps its child when it goes, and would report that
    // to this half-destroyed object: nothing is reported any more.
    QObject::disconnect(&process_, nullptr, this, nullptr);
    // The program is going while the converter still runs: end its whole
    // group at once rather than leave it writing.
    if (running())
        signalGroup(SIGKILL);
}

void ConverterProcess::start(const CommandLine& commandLine, const QString& startupFolder)
{
    const std::vector<std::string> arguments = commandLine.arguments();
    name_ = arguments.empty() ? QString() : QString::fromStdString(arguments.front());
    program_ = ToolLauncher::Locate(name_, startupFolder);
    if (program_.isEmpty()) {
        // Reported from the event loop, as every other end is.
        QMetaObject::invokeMethod(
            this,
            [this] {
                end({RunOutcome::Kind::NotFound, 0, {}});
            },
            Qt::QueuedConnection);
        return;
    }
    QStringList rest;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        rest << QString::fromStdString(arguments[i]);
    process_.setProgram(program_);
    process_.setArguments(rest);
    process_.setWorkingDirectory(QDir::currentPath());
    sinceReport_.start();
    // Some start failures are reported from inside start(); end() defers them.
    starting_ = true;
    process_.start();
    starting_ = false;
    // The parent sets the group too: a stop that comes before the child has
    // run its own setpgid() must still find the group.
    group_ = process_.processId();
    if (group_ > 0)
        ::setpgid(static_cast<pid_t>(group_), static_cast<pid_t>(group_));
}

void ConverterProcess::stop()
{
    if (ended_ || stopRequested_)
        return;
    stopRequested_ = true;
    if (!running())
        return;
    signalGroup(SIGTERM);
    killTimer_.start();
}

void ConverterProcess::signalGroup(int signal)
{
    if (group_ <= 0)
        return;
    // No such group yet (the child has not reached setpgid()): the
    // converter alone, which has started nothing by then.
    if (::kill(-static_cast<pid_t>(group_), signal) != 0 && errno == ESRCH && running())
        ::kill(static_cast<pid_t>(group_), signal);
}

void ConverterProcess::readOutput()
{
    const QByteArray chunk = process_.readAllStandardOutput();
    if (chunk.isEmpty())
        return;
    tail_.add(chunk);
    scan_.feed(chunk);
    reportProgress(false);
}

void ConverterProcess::reportProgress(bool last)
{
    const std::optional<double> percent = scan_.percent();
    if (!percent || percent == reported_ || !onProgress_)
        return;
    if (!last && reported_ && sinceReport_.elapsed() < ProgressIntervalMs) {
        // Held back, not dropped: a converter that falls silent after this
        // value must not leave an older one showing.
        if (!flushTimer_.isActive())
            flushTimer_.start(static_cast<int>(ProgressIntervalMs - sinceReport_.elapsed()));
        return;
    }
    flushTimer_.stop();
    reported_ = percent;
    sinceReport_.restart();
    onProgress_(*percent);
}

void ConverterProcess::end(RunOutcome outcome)
{
    if (ended_)
        return;
    if (starting_) {
        QMetaObject::invokeMethod(
            this, [this, outcome] { end(outcome); }, Qt::QueuedConnection);
        return;
    }
    ended_ = true;
    killTimer_.stop();
    flushTimer_.stop();
    if (stopRequested_ && group_ > 0)
        signalGroup(SIGKILL); // whatever of the group outlived its leader
    reportProgress(true);
    outcome.lastOutput = tail_.lines();
    if (!outcome.succeeded() && outcome.kind != RunOutcome::Kind::Stopped)
        ReportFailure(program_.isEmpty() ? name_ : program_, outcome);
    if (onFinished_)
        onFinished_(outcome);
}

} // namespace marulo
