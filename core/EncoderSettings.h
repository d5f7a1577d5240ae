#pragma once

#include "core/ControlValues.h"
#include "core/EncodeMode.h"

#include <string>

namespace marulo {

// What a conversion reads from the window. Texts are taken exactly as the
// controls show them: they go into command lines unchanged, so nothing here is
// trimmed or turned into a number. Defaults are those of a freshly opened window.
struct EncoderSettings {
    EncodeMode mode = EncodeMode::Mp3;
    ChannelMode channelMode = ChannelMode::JointStereo;
    std::string bitrate = ControlValues::Bitrate.text;               // ComB1
    std::string maxBitrate = ControlValues::MaxBitrate.text;         // ComB2
    std::string minBitrate = ControlValues::MinBitrate.text;         // ComB3
    std::string quality = ControlValues::Quality.text;               // E4
    std::string vbrQuality = ControlValues::VbrQuality.text;         // E3
    std::string oggQuality = ControlValues::OggQuality.text;         // ComB6
    std::string aacPreset = ControlValues::AacPreset.text;           // ComB4
    std::string compression = ControlValues::Compression.text;       // E2
    std::string normalizeLevel = ControlValues::NormalizeLevel.text; // E1
    bool abr = false;                                                // CB3
    bool vbr = false;                                                // CB2
    bool newVbr = false;                                             // CB1
    bool errorProtection = false;                                    // CB5
    bool bitrateRange = false;                                       // CB8
    bool downmix = false;                                            // CB9

    bool operator==(const EncoderSettings&) const = default;
};

} // namespace marulo
