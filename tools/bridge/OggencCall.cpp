#include "tools/bridge/Arguments.h"
#include "tools/bridge/ToolCalls.h"

namespace marulo::bridge {

// oggenc takes the front end's options as they are, except that the quality
// arrives joined ("-q4.00"). oggenc would encode at its default quality when
// it cannot read the value, so a bad value is refused here instead. Whether a
// bitrate is possible for the input's channels and rate only libvorbis knows;
// oggenc refuses the impossible ones itself.
Job oggencCall(CallArgs args)
{
    Job job{.program = "oggenc", .package = "vorbis-tools"};
    std::vector<std::string> paths;
    bool haveOutput = false;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "--downmix") {
            job.arguments.push_back(arg);
        } else if (arg == "-b" || arg == "-m" || arg == "-M") {
            const std::string& value = in.valueOf(arg);
            requireInteger(arg, value, 1, 10000);
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg.starts_with("-q")) {
            const std::string value = arg.substr(2);
            requireNumber("-q", value, -1, 10);
            job.arguments.insert(job.arguments.end(), {"-q", value});
        } else if (arg == "-o") {
            job.output = in.valueOf(arg);
            haveOutput = true;
        } else if (looksLikeOption(arg)) {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
        }
    }

    requirePathCount(paths, 1, "one input file");
    if (!haveOutput)
        refuse("missing the output file (-o)");
    job.input = paths[0];
    job.arguments.push_back(asFileArgument(job.input));
    job.arguments.push_back("-o");
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    return job;
}

} // namespace marulo::bridge
