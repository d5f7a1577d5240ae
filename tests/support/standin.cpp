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
//
// Log record, one line each, every value escaped (\\, \n, \r, \t):
//   start <name> <steady ns> <realtime ns>
//   cwd <folder>
//   arg <argument>            once per argument after the name
//   end <name> <steady ns> <realtime ns> <status>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string name;
std::vector<std::string> args;

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
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

bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

int Finish(int status)
{
    AppendLog("end " + Escape(name) + " " + Stamp() + " " + std::to_string(status) + "\n");
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
    PutLe(out, 1, 2);     // PCM
    PutLe(out, 1, 2);     // mono
    PutLe(out, 8000, 4);  // rate
    PutLe(out, 8000, 4);  // bytes per second
    PutLe(out, 1, 2);     // block align
    PutLe(out, 8, 2);     // bits
    out += "data";
    PutLe(out, static_cast<unsigned>(samples.size()), 4);
    out += samples;
    if (samples.size() % 2)
        out += '\0';
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const char* slash = std::strrchr(argv[0], '/');
    name = slash ? slash + 1 : argv[0];
    args.assign(argv + 1, argv + argc);

    std::string record = "start " + Escape(name) + " " + Stamp() + "\n";
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
    if (const std::string gate = Setting("MARULO_STANDIN_GATE"); !gate.empty()) {
        // Only a test helper polls: it holds the converter "running" until the
        // test has done what it wanted to do meanwhile.
        while (!Exists(gate))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (const std::string ms = Setting("MARULO_STANDIN_SLEEP_MS"); !ms.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(ms.c_str())));

    if (!Setting("MARULO_STANDIN_CRASH").empty()) {
        AppendLog("crash " + Escape(name) + "\n");
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

    std::string input, output;
    if (!Slots(input, output)) {
        std::fprintf(stderr, "%s: cannot read this command line\n", name.c_str());
        return Finish(64);
    }
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open input %s\n", name.c_str(), input.c_str());
        return Finish(2);
    }
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
    return Finish(0);
}
