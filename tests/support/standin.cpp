// A stand-in for the seven converters, for tests and benchmarks. It answers to
// every command form the program builds, writes the output file the line names
// and records what it was given. Plain C++ without Qt, so that it starts fast.
//
// It acts as the converter whose name its own file has (argv[0]), and reads:
//   MARULO_STANDIN_LOG         file to append its record to
//   MARULO_STANDIN_SLEEP_MS    "name=ms;name=ms", "*" for every name
//   MARULO_STANDIN_GATE        "name=file": wait until that file exists
//   MARULO_STANDIN_FAIL        "name=status": exit with that status, write nothing
//   MARULO_STANDIN_FAIL_MATCH  fail only when an argument contains this text
//   MARULO_STANDIN_CRASH       "name;name": abort instead of finishing
//   MARULO_STANDIN_CHATTER     lines of output to write (a talkative converter)
//   MARULO_STANDIN_PROGRESS    "name=count:ms": write count progress lines "( k%)",
//                              one every ms milliseconds, before finishing
//   MARULO_STANDIN_PARTIAL     "name;name": write half the output before
//                              waiting (gate, sleep, progress), the rest after
//   MARULO_STANDIN_TERM        "name=ignore": ignore SIGTERM
//   MARULO_STANDIN_CHILD       "name;name": start a child in the same process
//                              group that sleeps as long as the converter runs
//   MARULO_STANDIN_MATCH       the settings below, and SLEEP_MS and GATE, act
//                              only when an argument contains this text
//   MARULO_STANDIN_FAULT       "name=silent" exit 0 writing nothing,
//                              "name=half" write half the output and exit 1,
//                              "name=empty" leave an empty output and exit 0
//   MARULO_STANDIN_MEASURE     the line "normalize.exe --measure" prints, by
//                              default "integrated -20.0 LUFS true-peak -3.00 dBTP"
// "normalize.exe -l" and "-g" end with "gain G dB" on standard error, as the
// bridge's do (G is the -g value, 4.00 for -l).
//
// Log record, one line each, every value escaped (\\, \n, \r, \t):
//   start <name> <steady ns> <realtime ns>
//   pid <process id>
//   cwd <folder>
//   arg <argument>            once per argument after the name
//   child <process id> <pid>  the child of MARULO_STANDIN_CHILD
//   term <name> <pid>         SIGTERM arrived and is ignored
//   crash <name> <pid>
//   listed <path>             once per line of the list "--measure --list" reads
//   end <name> <steady ns> <realtime ns> <status> <pid>
// Converters running at once write their records in between each other's:
// the later records name the process they belong to.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string name;
std::vector<std::string> args;

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

long long Nanos(auto clock)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(clock.time_since_epoch()).count();
}

std::string Stamp()
{
    return std::to_string(Nanos(std::chrono::steady_clock::now())) + " " +
           std::to_string(Nanos(std::chrono::system_clock::now()));
}

void AppendLog(const std::string& record)
{
    const char* path = std::getenv("MARULO_STANDIN_LOG");
    if (!path || !*path)
        return;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return;
    // One write per record: the reader never sees half a line.
    [[maybe_unused]] ssize_t written = ::write(fd, record.data(), record.size());
    ::close(fd);
}

// "name=value;name=value": the value for this converter, or for "*".
std::string Setting(const char* variable)
{
    const char* raw = std::getenv(variable);
    if (!raw)
        return {};
    std::string all = raw, fallback;
    std::size_t from = 0;
    while (from <= all.size()) {
        std::size_t to = all.find(';', from);
        if (to == std::string::npos)
            to = all.size();
        const std::string item = all.substr(from, to - from);
        const std::size_t eq = item.find('=');
        const std::string key = eq == std::string::npos ? item : item.substr(0, eq);
        const std::string value = eq == std::string::npos ? "1" : item.substr(eq + 1);
        if (key == name)
            return value;
        if (key == "*")
            fallback = value;
        from = to + 1;
    }
    return fallback;
}

// A setting that MARULO_STANDIN_MATCH may confine to some files' runs.
std::string Scoped(const char* variable)
{
    const char* match = std::getenv("MARULO_STANDIN_MATCH");
    if (match && *match) {
        bool found = false;
        for (const std::string& arg : args)
            found = found || arg.find(match) != std::string::npos;
        if (!found)
            return {};
    }
    return Setting(variable);
}

bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

int Finish(int status)
{
    AppendLog("end " + Escape(name) + " " + Stamp() + " " + std::to_string(status) + " " + std::to_string(::getpid()) +
              "\n");
    return status;
}

std::string IndexAfter(const std::string& option, bool* found)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == option) {
            *found = true;
            return args[i + 1];
        }
    }
    *found = false;
    return {};
}

// Reads the input and output slots of every command form the program builds.
bool Slots(std::string& input, std::string& output)
{
    const std::size_t n = args.size();
    bool found = false;
    if (name == "aacenc.exe") {
        input = IndexAfter("-if", &found);
        if (!found)
            return false;
        output = IndexAfter("-of", &found);
        return found;
    }
    if (name == "normalize.exe") {
        output = IndexAfter("-o", &found);
        if (!found || n < 4)
            return false;
        input = args[n - 1];
        return true;
    }
    if (name == "oggenc.exe" || name == "flac.exe" || name == "ttaenc.exe") {
        for (std::size_t i = 1; i + 1 < n; ++i) {
            if (args[i] == "-o") {
                input = args[i - 1];
                output = args[i + 1];
                return true;
            }
        }
        return false;
    }
    if (n < 2)
        return false;
    input = args[n - 2];
    output = args[n - 1];
    return true;
}

bool WritesWav()
{
    if (name == "normalize.exe")
        return true;
    for (const std::string& arg : args)
        if (arg == "--decode" || arg == "-d")
            return true;
    return false;
}

void PutLe(std::string& out, unsigned value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
}

// A valid 8-bit mono WAV whose samples are the input's bytes, so a test can
// tell which file a later step read.
std::string Wav(const std::string& samples)
{
    std::string out = "RIFF";
    PutLe(out, static_cast<unsigned>(36 + samples.size()), 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);    // PCM
    PutLe(out, 1, 2);    // mono
    PutLe(out, 8000, 4); // rate
    PutLe(out, 8000, 4); // bytes per second
    PutLe(out, 1, 2);    // block align
    PutLe(out, 8, 2);    // bits
    out += "data";
    PutLe(out, static_cast<unsigned>(samples.size()), 4);
    out += samples;
    if (samples.size() % 2)
        out += '\0';
    return out;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

std::string termRecord; // made before the handler is installed: the handler only writes

extern "C" void NoteTerm(int)
{
    AppendLog(termRecord);
}

// Progress lines in lame's form, spread over the converter's run.
void PrintProgress(const std::string& setting)
{
    const std::size_t colon = setting.find(':');
    const long count = std::atol(setting.c_str());
    const long ms = colon == std::string::npos ? 0 : std::atol(setting.c_str() + colon + 1);
    for (long i = 1; i <= count; ++i) {
        std::printf("%ld/%ld ( %ld%%)|\n", i, count, i * 100 / count);
        std::fflush(stdout);
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

bool HasArg(const std::string& wanted)
{
    for (const std::string& arg : args)
        if (arg == wanted)
            return true;
    return false;
}

// "--measure --list FILE": notes what the list names and prints the loudness.
int Measure()
{
    bool found = false;
    const std::string listPath = IndexAfter("--list", &found);
    std::ifstream list(listPath);
    if (!found || !list) {
        std::fprintf(stderr, "normalize.exe: cannot read the list\n");
        return Finish(2);
    }
    std::string record;
    for (std::string line; std::getline(list, line);)
        record += "listed " + Escape(line) + "\n";
    AppendLog(record);
    const char* line = std::getenv("MARULO_STANDIN_MEASURE");
    std::printf("%s\n", line && *line ? line : "integrated -20.0 LUFS true-peak -3.00 dBTP");
    return Finish(0);
}

} // namespace

int main(int argc, char** argv)
{
    const char* slash = std::strrchr(argv[0], '/');
    name = slash ? slash + 1 : argv[0];
    args.assign(argv + 1, argv + argc);

    std::string record = "start " + Escape(name) + " " + Stamp() + "\n";
    record += "pid " + std::to_string(::getpid()) + "\n";
    char folder[4096];
    record += "cwd " + Escape(::getcwd(folder, sizeof folder) ? folder : "?") + "\n";
    for (const std::string& arg : args)
        record += "arg " + Escape(arg) + "\n";
    AppendLog(record);

    if (const std::string chatter = Setting("MARULO_STANDIN_CHATTER"); !chatter.empty()) {
        const long lines = std::atol(chatter.c_str());
        for (long i = 0; i < lines; ++i)
            std::printf("%s: progress line %ld of %ld, some padding to fill the pipe quickly\n", name.c_str(), i,
                        lines);
        std::fflush(stdout);
    }
    if (Scoped("MARULO_STANDIN_TERM") == "ignore") {
        // Noted, not obeyed: only SIGKILL ends this converter early.
        termRecord = "term " + Escape(name) + " " + std::to_string(::getpid()) + "\n";
        struct sigaction action {};
        action.sa_handler = NoteTerm;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
    }
    if (!Scoped("MARULO_STANDIN_CHILD").empty()) {
        const pid_t child = ::fork();
        if (child == 0) {
            // Stays in the converter's group; sleeps until killed or long past any test.
            for (int i = 0; i < 600; ++i)
                ::sleep(1);
            ::_exit(0);
        }
        AppendLog("child " + std::to_string(child) + " " + std::to_string(::getpid()) + "\n");
    }
    std::string input, output;
    const bool readable = Slots(input, output);
    std::string content;
    if (readable) {
        std::ifstream in(input, std::ios::binary);
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::string fault = Scoped("MARULO_STANDIN_FAULT");
    if (readable && (!Scoped("MARULO_STANDIN_PARTIAL").empty() || fault == "half"))
        WriteFile(output, "partial output of " + name + "\n");
    if (fault == "half") {
        std::fprintf(stderr, "%s: gave up half-way\n", name.c_str());
        return Finish(1);
    }
    if (const std::string progress = Scoped("MARULO_STANDIN_PROGRESS"); !progress.empty())
        PrintProgress(progress);
    if (const std::string gate = Scoped("MARULO_STANDIN_GATE"); !gate.empty()) {
        // Only a test helper polls: it holds the converter "running" until the
        // test has done what it wanted to do meanwhile.
        while (!Exists(gate))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (const std::string ms = Scoped("MARULO_STANDIN_SLEEP_MS"); !ms.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(ms.c_str())));

    if (!Setting("MARULO_STANDIN_CRASH").empty()) {
        AppendLog("crash " + Escape(name) + " " + std::to_string(::getpid()) + "\n");
        std::abort();
    }
    if (const std::string status = Setting("MARULO_STANDIN_FAIL"); !status.empty()) {
        const char* match = std::getenv("MARULO_STANDIN_FAIL_MATCH");
        bool matches = !match || !*match;
        for (const std::string& arg : args)
            matches = matches || arg.find(match) != std::string::npos;
        if (matches) {
            std::fprintf(stderr, "%s: told to fail with status %s\n", name.c_str(), status.c_str());
            return Finish(std::atoi(status.c_str()));
        }
    }

    if (name == "normalize.exe" && HasArg("--measure"))
        return Measure();
    if (fault == "silent") {
        std::printf("%s: done (but wrote nothing)\n", name.c_str());
        return Finish(0);
    }
    if (!readable) {
        std::fprintf(stderr, "%s: cannot read this command line\n", name.c_str());
        return Finish(64);
    }
    if (!std::ifstream(input, std::ios::binary)) {
        std::fprintf(stderr, "%s: cannot open input %s\n", name.c_str(), input.c_str());
        return Finish(2);
    }
    if (fault == "empty") {
        WriteFile(output, {});
        return Finish(0);
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "%s: cannot write output %s\n", name.c_str(), output.c_str());
        return Finish(3);
    }
    if (WritesWav())
        out << Wav(content);
    else
        out << "encoded by " << name << " from " << input << "\n" << content;
    out.close();
    if (!out)
        return Finish(3);
    std::printf("%s: wrote %s\n", name.c_str(), output.c_str());
    if (name == "normalize.exe" && (HasArg("-l") || HasArg("-g"))) {
        bool found = false;
        const std::string gain = IndexAfter("-g", &found);
        std::fflush(stdout);
        std::fprintf(stderr, "gain %s dB\n", found ? gain.c_str() : "4.00");
    }
    return Finish(0);
}
