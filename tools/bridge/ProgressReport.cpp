#include "tools/bridge/ProgressReport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace marulo::bridge {

namespace {

std::optional<double> numberAt(std::string_view text)
{
    const std::string copy(text.substr(0, 32));
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str())
        return std::nullopt;
    return value;
}

// sox's counts: three figures and a unit, "336k", "1.36M".
std::optional<double> countAt(std::string_view text)
{
    const std::string copy(text.substr(0, 32));
    char* end = nullptr;
    double value = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str())
        return std::nullopt;
    switch (*end) {
    case 'k':
        value *= 1e3;
        break;
    case 'M':
        value *= 1e6;
        break;
    case 'G':
        value *= 1e9;
        break;
    default:
        break;
    }
    return value;
}

std::optional<double> valueAfter(std::string_view line, std::string_view key, bool count)
{
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = line.substr(at + key.size());
    return count ? countAt(rest) : numberAt(rest);
}

// "Channels       : 2": the label padded to fifteen places, as sox lays out
// its description of a file.
bool isDescriptionLine(std::string_view line)
{
    constexpr std::size_t LabelWidth = 15;
    if (line.size() < LabelWidth + 1 || line[LabelWidth] != ':' || !std::isupper(static_cast<unsigned char>(line[0])))
        return false;
    return std::all_of(line.begin(), line.begin() + LabelWidth,
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == ' '; });
}

} // namespace

void ProgressText::report(double percent, std::string& out)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", std::clamp(percent, 0.0, 100.0));
    if (last_ == text)
        return;
    last_ = text;
    out += text;
    out += '\n';
}

std::string FfmpegReportReader::feed(std::string_view chunk)
{
    std::string out;
    lines_.feed(chunk, [&](std::string_view line, char) {
        constexpr std::string_view Key = "out_time_us=";
        if (!seconds_ || *seconds_ <= 0 || !line.starts_with(Key))
            return;
        if (const std::optional<double> us = numberAt(line.substr(Key.size())))
            text_.report(*us / 1e6 / *seconds_ * 100.0, out);
    });
    return out;
}

std::string SoxStatusFilter::feed(std::string_view chunk)
{
    std::string out;
    lines_.feed(chunk, [&](std::string_view text, char end) { line(text, end, out); });
    return out;
}

std::string SoxStatusFilter::finish()
{
    std::string out;
    lines_.finish([&](std::string_view text, char end) { line(text, end, out); });
    return out;
}

void SoxStatusFilter::line(std::string_view text, char end, std::string& out)
{
    if (text.starts_with("In:")) {
        statusSeen_ = true;
        status(text, out);
        return;
    }
    if (text.empty() || text == "Done.")
        return;
    if (!statusSeen_ && isDescriptionLine(text)) {
        if (text.starts_with("Duration"))
            samples_ = valueAfter(text, "= ", false);
        return;
    }
    out += text;
    out += end == '\r' ? '\n' : end;
}

void SoxStatusFilter::status(std::string_view text, std::string& out)
{
    const std::optional<double> in = valueAfter(text, "In:", false);
    if (!in)
        return;
    if (passes_ < 2) {
        report(*in, out);
        return;
    }
    const std::optional<double> written = valueAfter(text, "Out:", true);
    if (!written || *written <= 0 || !samples_ || *samples_ <= 0) {
        report(*in / 2, out);
        return;
    }
    report(50 + 50 * std::min(*written / *samples_, 1.0), out);
}

void SoxStatusFilter::report(double percent, std::string& out)
{
    text_.report(from_ + (100 - from_) * percent / 100, out);
}

std::string LameFramesFilter::feed(std::string_view chunk)
{
    std::string out;
    lines_.feed(chunk, [&](std::string_view text, char end) { line(text, end, out); });
    return out;
}

std::string LameFramesFilter::finish()
{
    std::string out;
    lines_.finish([&](std::string_view text, char end) { line(text, end, out); });
    return out;
}

void LameFramesFilter::line(std::string_view text, char end, std::string& out)
{
    constexpr std::string_view Key = "Frame#";
    if (text.empty())
        return;
    if (!text.starts_with(Key)) {
        out += text;
        out += end == '\r' ? '\n' : end;
        return;
    }
    const std::optional<double> frame = numberAt(text.substr(Key.size()));
    const std::size_t slash = text.find('/');
    const std::optional<double> frames =
        slash == std::string_view::npos ? std::nullopt : numberAt(text.substr(slash + 1));
    if (frame && frames && *frames > 0)
        text_.report(*frame / *frames * 100.0, out);
}

} // namespace marulo::bridge
