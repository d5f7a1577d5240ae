#include "tools/bridge/FfmpegJob.h"

#include "tools/bridge/Arguments.h"

namespace marulo::bridge {

Job ffmpegJob(const std::string& input, const std::string& output, std::initializer_list<std::string_view> codec,
              std::string_view container)
{
    Job job{.program = "ffmpeg", .package = "ffmpeg", .input = input, .output = output};
    // -y: the runner has already created the temporary file, and ffmpeg would
    // otherwise ask on standard input, which is closed.
    job.arguments = {"-hide_banner", "-nostdin", "-nostats", "-loglevel", "warning", "-y",
                     "-i", asFfmpegFile(input), "-map", "0:a:0", "-map_metadata", "-1"};
    job.arguments.insert(job.arguments.end(), codec.begin(), codec.end());
    job.arguments.insert(job.arguments.end(), {"-fflags", "+bitexact", "-f", std::string(container)});
    job.outputSlot = job.arguments.size();
    job.outputPrefix = "file:";
    job.arguments.emplace_back();
    return job;
}

} // namespace marulo::bridge
