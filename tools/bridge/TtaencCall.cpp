#include "tools/bridge/Arguments.h"
#include "tools/bridge/FfmpegJob.h"
#include "tools/bridge/ToolCalls.h"
#include "tools/bridge/TtaHeader.h"

namespace marulo::bridge {

namespace {

// ffmpeg would write 16-bit WAV from any TTA; the header says what the file holds.
std::string_view pcmCodecFor(const std::string& input)
{
    switch (ttaBitsPerSample(input).value_or(0)) {
    case 8:
        return "pcm_u8";
    case 16:
        return "pcm_s16le";
    case 24:
        return "pcm_s24le";
    default:
        refuse("input " + quoted(input) + " is not a TTA file", kStatusFailed);
    }
}

} // namespace

// "-e IN -o OUT" encodes WAV to TTA, "-d IN -o OUT" decodes TTA to WAV, both with ffmpeg.
Job ttaencCall(CallArgs args)
{
    bool encode = false;
    bool decode = false;
    std::string output;
    bool haveOutput = false;
    std::vector<std::string> paths;

    Arguments in(args);
    while (!in.atEnd()) {
        const std::string& arg = in.next();
        if (arg == "-e") {
            encode = true;
        } else if (arg == "-d") {
            decode = true;
        } else if (arg == "-o") {
            output = in.valueOf(arg);
            haveOutput = true;
        } else if (looksLikeOption(arg)) {
            refuseUnknown(arg);
        } else {
            paths.push_back(arg);
        }
    }

    if (encode == decode)
        refuse("give exactly one of -e (encode) and -d (decode)");
    requirePathCount(paths, 1, "one input file");
    if (!haveOutput)
        refuse("missing the output file (-o)");
    if (encode)
        return ffmpegJob(paths[0], output, {"-c:a", "tta"}, "tta");
    return ffmpegJob(paths[0], output, {"-c:a", pcmCodecFor(paths[0])}, "wav");
}

} // namespace marulo::bridge
