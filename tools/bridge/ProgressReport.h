#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marulo::bridge {

// Where a tool's progress comes from. lame, twolame, oggenc and flac print a
// percentage of their own on standard error and are left alone; ffmpeg and
// sox are asked for reports that the bridge turns into percentages.
enum class ProgressSource {
    Tool,         // the tool's standard error goes straight through
    FfmpegReport, // "-progress pipe:3": key=value lines on descriptor 3
    SoxStatus,    // "-S": status lines on standard error, filtered here
    LameFrames,   // lame decoding: "Frame#  k/N" on standard error, filtered here
};

// Percentages on one scale from 0 to 100, each written as "NN.N%" on a line
// of its own, and only when the written text would change.
class ProgressText {
public:
    void report(double percent, std::string& out);

private:
    std::string last_;
};

// Splits a byte stream into lines ended by "\n" or "\r", carrying a partial
// line to the next chunk. An overlong line is handed on in pieces.
class LineSplitter {
public:
    template <typename OnLine>
    void feed(std::string_view chunk, OnLine onLine)
    {
        for (const char c : chunk) {
            if (c == '\n' || c == '\r') {
                onLine(std::string_view(pending_), c);
                pending_.clear();
            } else if (pending_.size() < MaxLine) {
                pending_.push_back(c);
            } else {
                onLine(std::string_view(pending_), '\n');
                pending_.assign(1, c);
            }
        }
    }
    template <typename OnLine>
    void finish(OnLine onLine)
    {
        if (!pending_.empty())
            onLine(std::string_view(pending_), '\n');
        pending_.clear();
    }

private:
    static constexpr std::size_t MaxLine = 4096;
    std::string pending_;
};

// ffmpeg's progress reports: the output's time against the input's length.
class FfmpegReportReader {
public:
    explicit FfmpegReportReader(std::optional<double> inputSeconds) : seconds_(inputSeconds) {}
    // Returns the text to write to standard error.
    std::string feed(std::string_view chunk);

private:
    std::optional<double> seconds_;
    LineSplitter lines_;
    ProgressText text_;
};

// sox's "-S" status: "In:NN.N%" while it reads the input and "Out:N" samples
// written. Normalising reads the input twice, first to find the peak and then
// to apply the gain: the first pass is put on 0-50 and the second, told by
// the samples written against the input's length, on 50-100. The file
// description "-S" adds and its closing "Done." are dropped; every other line
// of sox's goes through. When the bridge has done a share of the work
// before sox starts (measuring the input), sox's reports fill the rest of
// the scale, from that share to 100.
class SoxStatusFilter {
public:
    explicit SoxStatusFilter(int passes, double from = 0) : passes_(passes), from_(from) {}
    std::string feed(std::string_view chunk);
    std::string finish();

private:
    void line(std::string_view text, char end, std::string& out);
    void status(std::string_view text, std::string& out);

    void report(double percent, std::string& out);

    int passes_;
    double from_;
    std::optional<double> samples_; // the input's length, from sox's description
    bool statusSeen_ = false;
    LineSplitter lines_;
    ProgressText text_;
};

// lame prints no percentage while decoding, only the frame it is at:
// "Frame#    12/116    128 kbps  MS". Those lines become percentages; every
// other line goes through.
class LameFramesFilter {
public:
    std::string feed(std::string_view chunk);
    std::string finish();

private:
    void line(std::string_view text, char end, std::string& out);

    LineSplitter lines_;
    ProgressText text_;
};

} // namespace marulo::bridge
