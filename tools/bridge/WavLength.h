#pragma once

#include <optional>
#include <string>

namespace marulo::bridge {

// The length of a RIFF WAVE file in seconds: its data chunk against the byte
// rate of its format chunk. Nothing when the file is not such a file.
std::optional<double> wavSeconds(const std::string& path);

} // namespace marulo::bridge
