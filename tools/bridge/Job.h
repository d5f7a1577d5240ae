#pragma once

#include "tools/bridge/ProgressReport.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace marulo::bridge {

// Exit statuses of the bridge's own refusals. A run that reaches the real
// tool ends with that tool's status instead.
inline constexpr int kStatusFailed = 1;        // unreadable input, unwritable output, no output
inline constexpr int kStatusUsage = 2;         // an option or value the grammar does not allow
inline constexpr int kStatusNotRunnable = 126; // the tool exists but cannot be started
inline constexpr int kStatusMissing = 127;     // the tool is not installed

// Thrown for anything that stops a call before or after the real tool; the
// message is one line, printed after the called name.
struct Refusal {
    int status = kStatusUsage;
    std::string message;
};

// One run of a Debian tool that reads one file and writes one file. The tool
// never writes under the output name itself: the runner puts a temporary name
// beside it into the output slot and renames it when the tool has succeeded.
struct Job {
    std::string program{};                // looked up on PATH
    std::string package{};                // the Debian package that provides it
    std::vector<std::string> arguments{}; // without the program name
    std::size_t outputSlot = 0;           // index into arguments
    std::string outputPrefix{};           // put before the temporary path in its slot
    std::string input{};
    std::string output{};
    ProgressSource progress = ProgressSource::Tool;
    std::optional<double> inputSeconds{}; // the input's length, for ffmpeg's reports
    int passes = 1;                       // how often sox reads the input
    double progressFrom = 0;              // per cent reported before the tool starts
    // Work between the checks and the tool's start, such as measuring the
    // input to choose the gain; it may change the arguments.
    std::function<void(Job&)> prepare{};
    std::string closingLine{}; // written to standard error once the result is in place
};

} // namespace marulo::bridge
