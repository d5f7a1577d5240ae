#include "tools/bridge/Arguments.h"
#include "tools/bridge/ToolCalls.h"

namespace marulo::bridge {

// "-N IN -o OUT" encodes at level N, "-d IN -o OUT" decodes to WAV. flac picks
// the decoded format from the output name, which is why the temporary name
// keeps the extension of the real one.
Job flacCall(CallArgs args)
{
    Job job{.program = "flac", .package = "flac"};
    std::string level;
    bool decode = false;
    bool haveOutput = false;
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-d") {
            decode = true;
        } else if (arg == "-o") {
            job.output = in.valueOf(arg);
            haveOutput = true;
        } else if (arg.size() == 2 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9') {
            requireInteger("-N", arg.substr(1), 0, 8);
            level = arg;
        } else if (looksLikeOption(arg) || arg == "-") {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
        }
    }

    if (decode && !level.empty())
        refuse("option \"-d\" takes no compression level");
    if (!decode && level.empty())
        refuse("missing a compression level (-0 ... -8) or -d");
    requirePathCount(paths, 1, "one input file");
    if (!haveOutput)
        refuse("missing the output file (-o)");
    job.input = paths[0];
    // -f: the runner has created the temporary file already.
    job.arguments = {decode ? "-d" : level, "-f", "-o"};
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    job.arguments.push_back(asFileArgument(job.input));
    return job;
}

} // namespace marulo::bridge
