#pragma once

#include <optional>
#include <string>

namespace marulo::bridge {

// Bits per sample from the "TTA1" header of a file, skipping an ID3v2 tag in
// front of it; nothing when the file cannot be read or is not TTA.
std::optional<int> ttaBitsPerSample(const std::string& path);
// The length of a TTA file in seconds, from the same header.
std::optional<double> ttaSeconds(const std::string& path);

} // namespace marulo::bridge
