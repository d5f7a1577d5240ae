#include "tools/bridge/Arguments.h"
#include "tools/bridge/ToolCalls.h"

namespace marulo::bridge {

// lame takes the front end's MP3 options under the same spellings, so they go
// through unchanged once checked. lame itself rounds a bitrate to the nearest
// one of its table and would clamp anything above 320 without a word; the range
// check turns that into a refusal. "--vbr-old" and "--vbr-new" both still exist
// in lame 3.100 (Debian 12) and choose different VBR routines.
Job lameCall(CallArgs args)
{
    Job job{.program = "lame", .package = "lame"};
    bool decode = false;
    bool encodeOptions = false;
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "--decode") {
            decode = true;
            continue;
        }
        if (arg == "-m") {
            const std::string& value = in.valueOf(arg);
            requireOneOf(arg, value, {"m", "s", "d", "j"});
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg == "-b" || arg == "-B" || arg == "--abr") {
            const std::string& value = in.valueOf(arg);
            requireInteger(arg, value, 8, 320);
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg == "-V") {
            const std::string& value = in.valueOf(arg);
            requireNumber(arg, value, 0, 9.999);
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg == "-q") {
            const std::string& value = in.valueOf(arg);
            requireInteger(arg, value, 0, 9);
            job.arguments.insert(job.arguments.end(), {arg, value});
        } else if (arg == "-F" || arg == "-v" || arg == "--vbr-new" || arg == "--vbr-old" || arg == "-p") {
            job.arguments.push_back(arg);
        } else if (looksLikeOption(arg)) {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
            continue;
        }
        encodeOptions = true;
    }

    if (decode && encodeOptions)
        refuse("option \"--decode\" takes no encoding option");
    requirePathCount(paths, 2, "an input file and an output file");
    job.input = paths[0];
    job.output = paths[1];
    if (decode) {
        job.arguments.push_back("--decode");
        job.progress = ProgressSource::LameFrames;
    }
    job.arguments.push_back(asFileArgument(job.input));
    job.outputSlot = job.arguments.size();
    job.arguments.emplace_back();
    return job;
}

} // namespace marulo::bridge
