#include "tools/bridge/Loudness.h"

#include "tools/bridge/Arguments.h"
#include "tools/bridge/ChildProcess.h"
#include "tools/bridge/ProgressReport.h"
#include "tools/bridge/Runner.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ebur128.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace marulo::bridge {

namespace {

struct StateDeleter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using State = std::unique_ptr<ebur128_state, StateDeleter>;

// One meter per format met (channels, rate): a file continues the blocks of
// the files of its format before it, as if the album were played through.
// One state per file would hold a 400 ms buffer per file, too much for a
// list of ten thousand.
using Meters = std::map<std::pair<unsigned, unsigned long>, State>;

// What sox says about its input before decoding it ("-S").
struct Description {
    std::optional<unsigned> channels;
    std::optional<unsigned long> rate;
    std::optional<double> frames; // per channel, as sox counts samples, before any resampling
    bool statusSeen = false;
};

std::optional<double> numberAfter(std::string_view line, std::string_view key)
{
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string rest(line.substr(at + key.size(), 32));
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str() || !(value > 0))
        return std::nullopt;
    return value;
}

// Takes sox's description and status lines; its own messages ("sox WARN
// ...") and anything after the decoding has begun pass on to standard error.
void readSoxLine(std::string_view line, Description& description)
{
    if (line.starts_with("In:")) {
        description.statusSeen = true;
        return;
    }
    if (line.empty() || line == "Done.")
        return;
    if (!description.statusSeen && !line.starts_with("sox")) {
        if (line.starts_with("Channels") && !description.channels)
            description.channels = static_cast<unsigned>(numberAfter(line, ": ").value_or(0));
        else if (line.starts_with("Sample Rate") && !description.rate)
            description.rate = static_cast<unsigned long>(numberAfter(line, ": ").value_or(0));
        else if (line.starts_with("Duration") && !description.frames)
            description.frames = numberAfter(line, "= ");
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

struct Decoder {
    pid_t pid = -1;
    int samples = -1; // raw native floats, interleaved
    int messages = -1;
};

// sox: "-S" for the description of the input, no dither so the floats are
// the file's samples, and standard output as the raw stream.
Decoder startDecoder(const std::string& path, unsigned long upsampledRate)
{
    int samples[2];
    int messages[2];
    if (pipe2(samples, O_CLOEXEC) != 0 || pipe2(messages, O_CLOEXEC) != 0)
        refuse(std::string("cannot make a pipe for the measuring: ") + std::strerror(errno), kStatusFailed);
    const std::string file = asFileArgument(path);
    const std::string rate = std::to_string(upsampledRate);
    std::vector<const char*> argv = {"sox", "-S", "-D", file.c_str(), "-t", "f32", "-"};
    if (upsampledRate > 0)
        argv.insert(argv.end(), {"rate", "-v", rate.c_str()});
    argv.push_back(nullptr);

    Decoder decoder{.samples = samples[0], .messages = messages[0]};
    int error = 0;
    {
        SpawnSettings settings;
        settings.redirect(samples[1], STDOUT_FILENO);
        settings.redirect(messages[1], STDERR_FILENO);
        error = posix_spawnp(&decoder.pid, "sox", settings.actions(), settings.attributes(),
                             const_cast<char* const*>(argv.data()), environ);
    }
    close(samples[1]);
    close(messages[1]);
    if (error != 0) {
        close(samples[0]);
        close(messages[0]);
        if (error == ENOENT)
            refuse("the program \"sox\" is not installed; install the Debian package \"sox\" (apt-get install sox)",
                   kStatusMissing);
        refuse(std::string("cannot start \"sox\" (Debian package \"sox\"): ") + std::strerror(error),
               kStatusNotRunnable);
    }
    return decoder;
}

ssize_t readSome(int fd, char* buffer, std::size_t size)
{
    ssize_t got = 0;
    do
        got = read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// Reads one decoder to its end, feeding whole frames to the meter of the
// file's format; a failure or a stop is thrown as a Refusal.
class Reading {
public:
    // With upsampledRate, sox resamples to it and only the true peak is kept.
    Reading(const std::string& path, Meters& meters, std::function<void(double)> progress,
            unsigned long upsampledRate = 0)
        : path_(path),
          meters_(meters),
          progress_(std::move(progress)),
          upsampledRate_(upsampledRate),
          decoder_(startDecoder(path, upsampledRate))
    {
    }
    ~Reading()
    {
        closeFd(decoder_.samples);
        closeFd(decoder_.messages);
        if (decoder_.pid > 0) {
            kill(decoder_.pid, SIGTERM);
            waitFor(decoder_.pid);
        }
    }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

    void run()
    {
        while (decoder_.samples >= 0 || decoder_.messages >= 0) {
            // A stop interrupts the wait below, or is seen at the next chunk.
            if (const int signal = stopSignal())
                refuse("stopped by signal " + std::to_string(signal) + " while measuring " + quoted(path_),
                       128 + signal);
            pollfd fds[2] = {{decoder_.messages, POLLIN, 0}, {decoder_.samples, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                fail(std::string("cannot wait for sox: ") + std::strerror(errno));
            }
            // sox describes the input before it writes a sample, so the
            // messages are read first: the format is known before the floats.
            if (fds[0].revents != 0)
                readMessages();
            else if (fds[1].revents != 0)
                readSamples();
        }
        const int status = waitFor(decoder_.pid);
        decoder_.pid = -1;
        if (status < 0)
            fail("lost track of sox");
        if (WIFSIGNALED(status))
            refuse("cannot measure " + quoted(path_) + ": sox was ended by signal " + std::to_string(WTERMSIG(status)),
                   128 + WTERMSIG(status));
        if (WEXITSTATUS(status) != 0)
            refuse("cannot measure " + quoted(path_) + ": sox failed with exit status " +
                       std::to_string(WEXITSTATUS(status)),
                   WEXITSTATUS(status));
        if (pendingBytes_ != 0)
            fail("sox ended inside a frame");
    }

private:
    [[noreturn]] void fail(const std::string& why)
    {
        refuse("cannot measure " + quoted(path_) + ": " + why, kStatusFailed);
    }

    static void closeFd(int& fd)
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }

    void readMessages()
    {
        char buffer[4096];
        const ssize_t got = readSome(decoder_.messages, buffer, sizeof buffer);
        const auto onLine = [this](std::string_view line, char) { readSoxLine(line, description_); };
        if (got <= 0) {
            lines_.finish(onLine);
            closeFd(decoder_.messages);
            return;
        }
        lines_.feed(std::string_view(buffer, static_cast<std::size_t>(got)), onLine);
    }

    ebur128_state* meter()
    {
        if (!description_.channels || !description_.rate || *description_.channels == 0 || *description_.rate == 0)
            fail("sox did not say the input's channels and sample rate");
        const unsigned long rate = upsampledRate_ > 0 ? upsampledRate_ : *description_.rate;
        meterRate_ = rate;
        State& state = meters_[{*description_.channels, rate}];
        if (!state)
            state.reset(
                ebur128_init(*description_.channels, rate,
                             upsampledRate_ > 0 ? EBUR128_MODE_TRUE_PEAK : EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
        if (!state)
            fail(std::to_string(*description_.channels) + " channels at " + std::to_string(rate) +
                 " Hz are beyond the loudness meter");
        return state.get();
    }

    void readSamples()
    {
        char* bytes = reinterpret_cast<char*>(buffer_.data());
        const std::size_t capacity = buffer_.size() * sizeof(float);
        const ssize_t got = readSome(decoder_.samples, bytes + pendingBytes_, capacity - pendingBytes_);
        if (got <= 0) {
            closeFd(decoder_.samples);
            return;
        }
        ebur128_state* state = meter();
        const std::size_t frameBytes = *description_.channels * sizeof(float);
        const std::size_t have = pendingBytes_ + static_cast<std::size_t>(got);
        const std::size_t frames = have / frameBytes;
        if (frames > 0 && ebur128_add_frames_float(state, buffer_.data(), frames) != EBUR128_SUCCESS)
            fail("the loudness meter ran out of memory");
        pendingBytes_ = have - frames * frameBytes;
        std::memmove(bytes, bytes + frames * frameBytes, pendingBytes_);
        framesRead_ +=
            static_cast<double>(frames) * static_cast<double>(*description_.rate) / static_cast<double>(meterRate_);
        if (description_.frames)
            progress_(std::min(framesRead_ / *description_.frames, 1.0));
    }

    std::string path_;
    Meters& meters_;
    std::function<void(double)> progress_;
    unsigned long upsampledRate_;
    Decoder decoder_;
    Description description_;
    LineSplitter lines_;
    std::vector<float> buffer_ = std::vector<float>(16384);
    std::size_t pendingBytes_ = 0;
    double framesRead_ = 0;
    unsigned long meterRate_ = 1;
};

double decibels(double linear)
{
    return linear > 0 ? 20 * std::log10(linear) : -HUGE_VAL;
}

// At 192 kHz and above the meter takes the samples as they are, so at this
// rate it sees eight or more samples for each one of a CD or DAT.
constexpr unsigned long kCloserRate = 384000;

double highestTruePeak(const Meters& meters)
{
    double peak = 0;
    for (const auto& [format, state] : meters) {
        for (unsigned channel = 0; channel < format.first; ++channel) {
            double channelPeak = 0;
            if (ebur128_true_peak(state.get(), channel, &channelPeak) == EBUR128_SUCCESS)
                peak = std::max(peak, channelPeak);
        }
    }
    return decibels(peak);
}

} // namespace

Loudness measureLoudness(const std::vector<std::string>& paths, const MeasureProgress& progress)
{
    Meters meters;
    const double files = static_cast<double>(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const double done = static_cast<double>(i);
        Reading reading(paths[i], meters, [&](double part) { progress((done + part) / files); });
        reading.run();
        progress((done + 1) / files);
    }

    std::vector<ebur128_state*> states;
    for (const auto& entry : meters)
        states.push_back(entry.second.get());
    Loudness loudness{.integrated = -HUGE_VAL,
                      .truePeak = highestTruePeak(meters),
                      .rate = meters.empty() ? 0 : meters.begin()->first.second};
    if (!states.empty() &&
        ebur128_loudness_global_multiple(states.data(), states.size(), &loudness.integrated) != EBUR128_SUCCESS)
        refuse("the loudness meter could not sum up the measuring", kStatusFailed);
    return loudness;
}

double closerTruePeak(const std::string& path, unsigned long rate)
{
    Meters meters;
    Reading reading(
        path, meters, [](double) {}, std::max(kCloserRate, 2 * rate));
    reading.run();
    return highestTruePeak(meters);
}

} // namespace marulo::bridge
