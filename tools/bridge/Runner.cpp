#include "tools/bridge/Runner.h"

#include "tools/bridge/Arguments.h"
#include "tools/bridge/ChildProcess.h"
#include "tools/bridge/Tags.h"
#include "tools/bridge/TempOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace marulo::bridge {

namespace {

// A signal that asks the bridge to end is passed on to the tool, so the tool
// ends first and the temporary file is removed on the way out.
volatile sig_atomic_t g_child = 0;
volatile sig_atomic_t g_stopSignal = 0;
constexpr int kForwardedSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void forwardSignal(int signal)
{
    g_stopSignal = signal;
    if (g_child > 0)
        kill(static_cast<pid_t>(g_child), signal);
}

void installForwarding()
{
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kForwardedSignals)
        sigaction(signal, &action, nullptr);
}

void requireReadableInput(const std::string& input)
{
    struct stat info {};
    if (input.empty())
        refuse("the input file name is empty", kStatusFailed);
    if (stat(input.c_str(), &info) != 0)
        refuse("cannot read the input " + quoted(input) + ": " + std::strerror(errno), kStatusFailed);
    if (!S_ISREG(info.st_mode))
        refuse("the input " + quoted(input) + " is not a file", kStatusFailed);
    if (access(input.c_str(), R_OK) != 0)
        refuse("cannot read the input " + quoted(input) + ": " + std::strerror(errno), kStatusFailed);
}

// The output may replace an earlier result, but never the input itself nor a folder.
void requireUsableOutput(const std::string& output, const std::string& input)
{
    if (output.empty() || output.ends_with('/'))
        refuse("the output " + quoted(output) + " names no file", kStatusUsage);
    struct stat out {};
    if (stat(output.c_str(), &out) != 0)
        return;
    struct stat in {};
    if (stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
        refuse("the output " + quoted(output) + " is the input file itself", kStatusUsage);
    if (S_ISDIR(out.st_mode))
        refuse("the output " + quoted(output) + " is a folder", kStatusUsage);
}

struct Spawned {
    pid_t pid = -1;
    int error = 0;
};

// The tool reads nothing from the bridge's standard input (it reads /dev/null)
// and writes its messages to the bridge's own standard output and error,
// except that its reports of progress may go to a pipe the bridge reads
// (reportFd becomes the tool's descriptor reportSlot).
// Whether the tool can be started: by path when it has a slash, else found
// on the search path as posix_spawnp would find it.
bool isInstalled(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string_view folders = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        const std::string candidate = (folder.empty() ? std::string(".") : std::string(folder)) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        if (colon == std::string_view::npos)
            return false;
        folders.remove_prefix(colon + 1);
    }
}

Spawned spawnTool(const Job& job, int reportFd, int reportSlot)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(job.program.c_str()));
    for (const std::string& arg : job.arguments)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    SpawnSettings settings;
    if (reportFd >= 0)
        settings.redirect(reportFd, reportSlot);

    // Held back until the child's id is known, so a stop request cannot slip
    // between the start and the moment it can be forwarded.
    sigset_t held, previous;
    sigemptyset(&held);
    for (const int signal : kForwardedSignals)
        sigaddset(&held, signal);
    sigprocmask(SIG_BLOCK, &held, &previous);

    Spawned spawned;
    spawned.error = posix_spawnp(&spawned.pid, job.program.c_str(), settings.actions(), settings.attributes(),
                                 argv.data(), environ);
    if (spawned.error == 0)
        g_child = spawned.pid;
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (spawned.error == 0 && g_stopSignal != 0)
        kill(spawned.pid, g_stopSignal);
    return spawned;
}

void writeError(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The descriptor the tool's reports arrive on, or -1 when the tool's own
// standard error says how far it is.
int reportSlotOf(const Job& job)
{
    switch (job.progress) {
    case ProgressSource::FfmpegReport:
        return 3;
    case ProgressSource::SoxStatus:
    case ProgressSource::LameFrames:
        return STDERR_FILENO;
    case ProgressSource::Tool:
        break;
    }
    return -1;
}

// Reads the tool's reports until it closes its end, writing percentages (and
// for sox its other messages) to standard error as they come.
void relayReports(const Job& job, int fd)
{
    FfmpegReportReader ffmpeg(job.inputSeconds);
    SoxStatusFilter sox(job.passes, job.progressFrom);
    LameFramesFilter lame;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const std::string_view chunk(buffer, static_cast<std::size_t>(got));
        switch (job.progress) {
        case ProgressSource::FfmpegReport:
            writeError(ffmpeg.feed(chunk));
            break;
        case ProgressSource::SoxStatus:
            writeError(sox.feed(chunk));
            break;
        case ProgressSource::LameFrames:
            writeError(lame.feed(chunk));
            break;
        case ProgressSource::Tool:
            break;
        }
    }
    writeError(job.progress == ProgressSource::SoxStatus    ? sox.finish()
               : job.progress == ProgressSource::LameFrames ? lame.finish()
                                                            : std::string());
}

bool hasContent(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && info.st_size > 0;
}

} // namespace

int stopSignal()
{
    return g_stopSignal;
}

int runJob(Job job)
{
    requireReadableInput(job.input);
    requireUsableOutput(job.output, job.input);
    installForwarding();

    TempOutput temp(job.output);
    job.arguments[job.outputSlot] = job.outputPrefix + asFileArgument(temp.path());

    const int reportSlot = reportSlotOf(job);
    int reports[2] = {-1, -1};
    if (reportSlot >= 0 && pipe2(reports, O_CLOEXEC) != 0)
        refuse(std::string("cannot make a pipe for the progress reports: ") + std::strerror(errno), kStatusFailed);
    // The start is announced before the tool runs, so no share the tool
    // itself prints can come before it.
    if (!isInstalled(job.program))
        refuse("the program " + quoted(job.program) + " is not installed; install the Debian package " +
                   quoted(job.package) + " (apt-get install " + job.package + ")",
               kStatusMissing);
    writeError("0.0%\n");
    if (job.prepare)
        job.prepare(job);
    const Spawned spawned = spawnTool(job, reports[1], reportSlot);
    if (reports[1] >= 0)
        close(reports[1]);
    if (spawned.error == ENOENT)
        refuse("the program " + quoted(job.program) + " is not installed; install the Debian package " +
                   quoted(job.package) + " (apt-get install " + job.package + ")",
               kStatusMissing);
    if (spawned.error != 0)
        refuse("cannot start " + quoted(job.program) + " (Debian package " + quoted(job.package) +
                   "): " + std::strerror(spawned.error),
               kStatusNotRunnable);

    if (reports[0] >= 0) {
        relayReports(job, reports[0]);
        close(reports[0]);
    }
    const int status = waitFor(spawned.pid);
    g_child = 0;
    const std::string nothingWritten = "; nothing was written to " + quoted(job.output);
    if (g_stopSignal != 0)
        refuse("stopped by signal " + std::to_string(g_stopSignal) + nothingWritten, 128 + g_stopSignal);
    if (status < 0)
        refuse("lost track of " + quoted(job.program) + nothingWritten, kStatusFailed);
    if (WIFSIGNALED(status))
        refuse(job.program + " was ended by signal " + std::to_string(WTERMSIG(status)) + nothingWritten,
               128 + WTERMSIG(status));
    if (WEXITSTATUS(status) != 0)
        refuse(job.program + " failed with exit status " + std::to_string(WEXITSTATUS(status)) + nothingWritten,
               WEXITSTATUS(status));
    if (!hasContent(temp.path()))
        refuse(job.program + " ended without writing anything" + nothingWritten, kStatusFailed);

    // Tagged before the rename, so no result ever stands half-tagged under its name.
    for (const std::string& note : carryTags(job.input, temp.path()))
        writeError(note + "\n");
    temp.commit();
    writeError("100.0%\n");
    if (!job.closingLine.empty())
        writeError(job.closingLine + "\n");
    return 0;
}

} // namespace marulo::bridge
