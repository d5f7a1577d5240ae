#include "tools/bridge/Arguments.h"
#include "tools/bridge/ToolCalls.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace marulo::bridge {

// "-m P -o OUT IN": a copy of IN whose peak is P per cent of full scale. sox
// finds the peak and applies the gain in one run ("gain -n" reads the input
// twice). Dither is off so that the gain is all that changes the samples.
Job normalizeCall(CallArgs args)
{
    Job job{.program = "sox", .package = "sox"};
    std::optional<double> percent;
    bool haveOutput = false;
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-m") {
            percent = requireNumber(arg, in.valueOf(arg), 0, 100);
        } else if (arg == "-o") {
            job.output = in.valueOf(arg);
            haveOutput = true;
        } else if (looksLikeOption(arg)) {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
        }
    }

    if (!percent)
        refuse("missing the peak level (-m P, per cent of full scale)");
    if (!haveOutput)
        refuse("missing the output file (-o)");
    requirePathCount(paths, 1, "one input file");
    job.input = paths[0];

    // "-S" has sox report how far it is; the runner turns that into percentages.
    job.arguments = {"-S", "-D", asFileArgument(job.input), "-t", "wav"};
    job.progress = ProgressSource::SoxStatus;
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    if (*percent == 0) {
        // A peak of nothing is silence; no level in decibels says that.
        job.arguments.insert(job.arguments.end(), {"vol", "0"});
    } else {
        char decibels[32];
        std::snprintf(decibels, sizeof decibels, "%.6f", 20 * std::log10(*percent / 100));
        job.arguments.insert(job.arguments.end(), {"gain", "-n", decibels});
        job.passes = 2;
    }
    return job;
}

} // namespace marulo::bridge
