#include "tools/bridge/Arguments.h"
#include "tools/bridge/LoudnessForms.h"
#include "tools/bridge/ToolCalls.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace marulo::bridge {

namespace {

std::string decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

// "-m P": a copy of IN whose peak is P per cent of full scale. sox finds the
// peak and applies the gain in one run ("gain -n" reads the input twice).
Job peakJob(const std::string& input, const std::string& output, double percent)
{
    if (percent == 0) {
        // A peak of nothing is silence; no level in decibels says that.
        return soxGainJob(input, output, {"vol", "0"});
    }
    Job job = soxGainJob(input, output, {"gain", "-n", decimal(20 * std::log10(percent / 100))});
    job.passes = 2;
    return job;
}

// "-g DB": the same gain for every file of an album, found by measuring them together.
Job gainJob(const std::string& input, const std::string& output, double decibels)
{
    Job job = soxGainJob(input, output, {"gain", decimal(decibels)});
    job.closingLine = gainLine(decibels);
    return job;
}

} // namespace

// Dither is off so that the gain is all that changes the samples; the WAV
// written keeps the input's rate, channels and sample format.
Job soxGainJob(const std::string& input, const std::string& output, std::initializer_list<std::string> effect)
{
    Job job{.program = "sox", .package = "sox", .input = input, .output = output};
    // "-S" has sox report how far it is; the runner turns that into percentages.
    job.arguments = {"-S", "-D", asFileArgument(job.input), "-t", "wav"};
    job.progress = ProgressSource::SoxStatus;
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    job.arguments.insert(job.arguments.end(), effect);
    return job;
}

// "-m P -o OUT IN", "-l LUFS [-t DBTP] -o OUT IN" or "-g DB -o OUT IN".
Job normalizeCall(CallArgs args)
{
    std::optional<double> percent, lufs, ceiling, decibels;
    std::optional<std::string> output;
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-m")
            percent = requireNumber(arg, in.valueOf(arg), 0, 100);
        else if (arg == "-l")
            lufs = requireNumberInside(arg, in.valueOf(arg), -70, 0);
        else if (arg == "-t")
            ceiling = requireNumber(arg, in.valueOf(arg), -9, 0);
        else if (arg == "-g")
            decibels = requireNumber(arg, in.valueOf(arg), -60, 60);
        else if (arg == "-o")
            output = in.valueOf(arg);
        else if (looksLikeOption(arg))
            refuseUnknown(arg);
        else
            paths.push_back(arg);
    }

    const int levels = int{percent.has_value()} + int{lufs.has_value()} + int{decibels.has_value()};
    if (levels == 0)
        refuse("missing the level: -m P (peak, per cent of full scale), -l LUFS (loudness) or -g DB (gain)");
    if (levels > 1)
        refuse("options \"-m\", \"-l\" and \"-g\" exclude each other");
    if (ceiling && !lufs)
        refuse("option \"-t\" (the true peak ceiling) goes with \"-l\" only");
    if (!output)
        refuse("missing the output file (-o)");
    requirePathCount(paths, 1, "one input file");

    if (percent)
        return peakJob(paths[0], *output, *percent);
    if (lufs)
        return loudnessJob(paths[0], *output, *lufs, ceiling.value_or(kDefaultCeiling));
    return gainJob(paths[0], *output, *decibels);
}

} // namespace marulo::bridge
