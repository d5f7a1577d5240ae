#include "tools/bridge/AacPresets.h"
#include "tools/bridge/Arguments.h"
#include "tools/bridge/FfmpegJob.h"
#include "tools/bridge/ToolCalls.h"

namespace marulo::bridge {

// AAC in ADTS from ffmpeg's native encoder, at an average bitrate given either
// directly ("-br N") or by a preset name ("-normal").
Job aacencCall(CallArgs args)
{
    std::optional<int> kbps;
    std::string input;
    std::string output;
    bool haveInput = false;
    bool haveOutput = false;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-br") {
            const std::string& value = in.valueOf(arg);
            requireInteger(arg, value, 8, 512);
            kbps = std::stoi(value);
        } else if (arg == "-if") {
            input = in.valueOf(arg);
            haveInput = true;
        } else if (arg == "-of") {
            output = in.valueOf(arg);
            haveOutput = true;
        } else if (const auto preset = arg.starts_with('-') ? aacPresetBitrate(arg.substr(1)) : std::nullopt) {
            kbps = preset;
        } else if (arg.starts_with('-')) {
            refuseUnknown(arg);
        } else {
            refuse("unexpected argument " + quoted(arg) + " (files are given with -if and -of)");
        }
    }

    if (!kbps)
        refuse("missing a bitrate (-br N) or a preset (-tape ... -ultra)");
    if (!haveInput)
        refuse("missing the input file (-if)");
    if (!haveOutput)
        refuse("missing the output file (-of)");
    return ffmpegJob(input, output, {"-c:a", "aac", "-b:a", std::to_string(*kbps) + "k"}, "adts");
}

} // namespace marulo::bridge
