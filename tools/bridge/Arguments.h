#pragma once

#include "tools/bridge/Job.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marulo::bridge {

// Walks the arguments of one call. Every refusal it throws names the option
// and the text at fault, so the caller's message stays one line.
class Arguments {
public:
    explicit Arguments(std::span<const std::string> args) : args_(args) {}

    bool atEnd() const { return pos_ >= args_.size(); }
    const std::string& next() { return args_[pos_++]; }
    // The value after an option; refused when the option ends the line.
    const std::string& valueOf(std::string_view option);

private:
    std::span<const std::string> args_;
    std::size_t pos_ = 0;
};

// An argument that is not a path: "-x" or "--xyz" (a lone "-" is a path).
bool looksLikeOption(std::string_view arg);

[[noreturn]] void refuseUnknown(std::string_view option);
[[noreturn]] void refuse(std::string message, int status = kStatusUsage);

// Whole-number and decimal checks; the value must be the whole text.
void requireInteger(std::string_view option, std::string_view value, long low, long high);
double requireNumber(std::string_view option, std::string_view value, double low, double high);
// The same with both ends left out: above low and below high.
double requireNumberInside(std::string_view option, std::string_view value, double low, double high);
void requireOneOf(std::string_view option, std::string_view value, std::initializer_list<std::string_view> allowed);

// Exactly this many paths, else a refusal naming what was expected.
void requirePathCount(const std::vector<std::string>& paths, std::size_t count, std::string_view expected);

// A path as a tool must see it to take it for a file: a relative name is
// anchored with "./", so "-", "-x.wav" or "|x" can never read as an option,
// standard input or a pipe.
std::string asFileArgument(const std::string& path);

// For ffmpeg, whose "name:" prefixes select protocols: always the file protocol.
std::string asFfmpegFile(const std::string& path);

// A text as it may appear inside a one-line message: in double quotes, with
// control characters escaped.
std::string quoted(std::string_view text);

} // namespace marulo::bridge
