#include "tools/bridge/FfmpegJob.h"

#include "tools/bridge/Arguments.h"
#include "tools/bridge/TtaHeader.h"
#include "tools/bridge/WavLength.h"

namespace marulo::bridge {

Job ffmpegJob(const std::string& input, const std::string& output, std::initializer_list<std::string_view> codec,
              std::string_view container)
{
    Job job{.program = "ffmpeg", .package = "ffmpeg", .input = input, .output = output};
    // -y: the runner has already created the temporary file, and ffmpeg would
    // otherwise ask on standard input, which is closed.
    // Its progress goes to descriptor 3 ten times a second, where the runner
    // reads it, so that ffmpeg's own messages stay as they were.
    job.arguments = {"-hide_banner", "-nostdin",      "-nostats",      "-loglevel", "warning", "-progress",
                     "pipe:3",       "-stats_period", "0.1",           "-y",        "-i",      asFfmpegFile(input),
                     "-map",         "0:a:0",         "-map_metadata", "-1"};
    job.progress = ProgressSource::FfmpegReport;
    job.inputSeconds = wavSeconds(input);
    if (!job.inputSeconds)
        job.inputSeconds = ttaSeconds(input);
    job.arguments.insert(job.arguments.end(), codec.begin(), codec.end());
    job.arguments.insert(job.arguments.end(), {"-fflags", "+bitexact", "-f", std::string(container)});
    job.outputSlot = job.arguments.size();
    job.outputPrefix = "file:";
    job.arguments.emplace_back();
    return job;
}

} // namespace marulo::bridge
