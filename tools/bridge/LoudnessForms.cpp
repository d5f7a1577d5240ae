#include "tools/bridge/LoudnessForms.h"

#include "tools/bridge/Arguments.h"
#include "tools/bridge/Loudness.h"
#include "tools/bridge/ProgressReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace marulo::bridge {

namespace {

// The measuring takes the first half of the scale, the applying the second.
constexpr double kMeasuredShare = 50;
// How far below a converter's peak the standard's true peak can read; within
// this of the ceiling the peak is looked at more closely.
constexpr double kUnderRead = 0.7;

std::string formatted(const char* format, double a, double b = 0, double c = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// Rounded up to the hundredth as printed, so a ceiling kept on the printed
// figure is kept on the file too; adding zero turns "-0.00" into "0.00".
double roundedUp(double truePeak)
{
    return std::isfinite(truePeak) ? std::ceil(truePeak * 100) / 100 + 0.0 : truePeak;
}

Loudness measureWithProgress(const std::vector<std::string>& paths, double share)
{
    ProgressText text;
    std::string quiet;
    text.report(0, quiet); // the start is already announced
    return measureLoudness(paths, [&](double part) {
        std::string out;
        text.report(part * share, out);
        std::fputs(out.c_str(), stderr);
    });
}

// Chooses the gain once the input is measured, and says when the ceiling
// keeps the result below the loudness asked for.
void chooseGain(Job& job, std::size_t gainSlot, double lufs, double ceiling)
{
    const Loudness measured = measureWithProgress({job.input}, kMeasuredShare);
    double gain = 0;
    if (!std::isfinite(measured.integrated)) {
        std::fputs("the input is silent (no block is loud enough to measure); it is copied unchanged\n", stderr);
    } else {
        gain = lufs - measured.integrated;
        double peak = roundedUp(measured.truePeak);
        if (peak + gain > ceiling - kUnderRead)
            peak = std::max(peak, roundedUp(closerTruePeak(job.input, measured.rate)));
        if (peak + gain > ceiling) {
            gain = ceiling - peak;
            std::fputs(formatted("the true peak ceiling of %.1f dBTP keeps the result at %.1f LUFS, quieter than the "
                                 "%.1f LUFS asked\n",
                                 ceiling, measured.integrated + gain, lufs)
                           .c_str(),
                       stderr);
        }
    }
    job.arguments[gainSlot] = formatted("%.6f", gain);
    job.closingLine = gainLine(gain);
}

std::vector<std::string> readList(const std::string& listFile)
{
    std::ifstream list(listFile);
    if (!list)
        refuse("cannot read the list " + quoted(listFile), kStatusFailed);
    std::vector<std::string> paths;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty())
            paths.push_back(line);
    }
    if (list.bad())
        refuse("cannot read the list " + quoted(listFile), kStatusFailed);
    return paths;
}

} // namespace

std::string gainLine(double decibels)
{
    return formatted("gain %.2f dB", decibels + 0.0);
}

Job loudnessJob(const std::string& input, const std::string& output, double lufs, double ceiling)
{
    Job job = soxGainJob(input, output, {"gain", "0"});
    const std::size_t gainSlot = job.arguments.size() - 1;
    job.progressFrom = kMeasuredShare;
    job.prepare = [gainSlot, lufs, ceiling](Job& measuredJob) { chooseGain(measuredJob, gainSlot, lufs, ceiling); };
    return job;
}

std::optional<int> measureCall(CallArgs args)
{
    if (std::find(args.begin(), args.end(), "--measure") == args.end())
        return std::nullopt;
    std::vector<std::string> paths;
    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "--measure")
            continue;
        if (arg == "--list") {
            const std::vector<std::string> listed = readList(in.valueOf(arg));
            paths.insert(paths.end(), listed.begin(), listed.end());
        } else if (looksLikeOption(arg)) {
            refuse("option " + quoted(arg) + " does not go with \"--measure\"");
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.empty())
        refuse("missing the files to measure (--measure IN... or --measure --list FILE)");

    std::fputs("0.0%\n", stderr);
    const Loudness loudness = measureWithProgress(paths, 100);
    std::printf("integrated %.1f LUFS true-peak %.2f dBTP\n", loudness.integrated, roundedUp(loudness.truePeak));
    return 0;
}

} // namespace marulo::bridge
