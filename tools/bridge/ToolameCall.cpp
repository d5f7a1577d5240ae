#include "tools/bridge/Arguments.h"
#include "tools/bridge/ToolCalls.h"

namespace marulo::bridge {

// The MP2 encoder is twolame. Its options match the front end's except error
// protection, which twolame spells -p (its -e is de-emphasis and takes a value).
// Which of these bitrates suit the channel count and sample rate is twolame's
// to judge; it refuses a mismatch with a message of its own.
Job toolameCall(CallArgs args)
{
    Job job{.program = "twolame", .package = "twolame"};
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-e") {
            job.arguments.push_back("-p");
        } else if (arg == "-a") {
            job.arguments.push_back(arg);
        } else if (arg == "-m") {
            const std::string& value = in.valueOf(arg);
            requireOneOf(arg, value, {"m", "s", "d", "j"});
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg == "-b") {
            const std::string& value = in.valueOf(arg);
            requireOneOf(arg, value,
                         {"8", "16", "24", "32", "40", "48", "56", "64", "80", "96", "112", "128", "144", "160", "192",
                          "224", "256", "320", "384"});
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (looksLikeOption(arg)) {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
        }
    }

    requirePathCount(paths, 2, "an input file and an output file");
    job.input = paths[0];
    job.output = paths[1];
    job.arguments.push_back(asFileArgument(job.input));
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    return job;
}

} // namespace marulo::bridge
