#pragma once

#include "core/EncodeMode.h"

#include <string>

namespace marulo {

// What a conversion reads from the window. Texts are taken exactly as the
// controls show them: they go into command lines unchanged, so nothing here is
// trimmed or turned into a number. Defaults are those of a freshly opened window.
struct EncoderSettings {
    EncodeMode mode = EncodeMode::Mp3;
    ChannelMode channelMode = ChannelMode::JointStereo;
    std::string bitrate = "128";       // ComB1
    std::string maxBitrate = "320";    // ComB2
    std::string minBitrate = "64";     // ComB3
    std::string quality = "2";         // E4
    std::string vbrQuality = "4";      // E3
    std::string oggQuality = "4.00";   // ComB6
    std::string aacPreset = "normal";  // ComB4
    std::string compression = "8";     // E2
    std::string normalizeLevel = "90"; // E1
    bool abr = false;                  // CB3
    bool vbr = false;                  // CB2
    bool newVbr = false;               // CB1
    bool errorProtection = false;      // CB5
    bool bitrateRange = false;         // CB8
    bool downmix = false;              // CB9

    bool operator==(const EncoderSettings&) const = default;
};

} // namespace marulo
