#pragma once

#include <optional>
#include <string_view>

namespace marulo::bridge {

// The AAC presets, from the smallest file to the best sound, as average
// bitrates for ffmpeg's own AAC encoder (whole stream, all channels).
struct AacPreset {
    std::string_view name;
    int kbps;
};

inline constexpr AacPreset kAacPresets[] = {
    {"tape", 48},    {"radio", 64},    {"internet", 80}, {"streaming", 96},
    {"normal", 128}, {"extreme", 192}, {"archive", 256}, {"ultra", 320},
};

inline std::optional<int> aacPresetBitrate(std::string_view name)
{
    for (const AacPreset& preset : kAacPresets)
        if (preset.name == name)
            return preset.kbps;
    return std::nullopt;
}

} // namespace marulo::bridge
