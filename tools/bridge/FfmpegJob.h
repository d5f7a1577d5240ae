#pragma once

#include "tools/bridge/Job.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace marulo::bridge {

// An ffmpeg run that takes the first audio stream of the input, drops the
// metadata and writes the given container. The container is named explicitly,
// so the temporary output name may end in anything; bit-exact mode keeps
// ffmpeg's own name out of the file.
Job ffmpegJob(const std::string& input, const std::string& output, std::initializer_list<std::string_view> codec,
              std::string_view container);

} // namespace marulo::bridge
