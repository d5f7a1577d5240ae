#include "core/EncoderPrefixes.h"

namespace marulo {

namespace {

// The literals of the option grammar. Their leading and trailing blanks are
// part of the grammar: finished lines hold runs of two or three blanks.
namespace Opt {
constexpr std::string_view Mono = " -m m";
constexpr std::string_view Stereo = " -m s";
constexpr std::string_view DualChannel = " -m d";
constexpr std::string_view JointStereo = " -m j";
constexpr std::string_view Mp2MonoDownmix = " -a -m m";
constexpr std::string_view Bitrate = " -b ";
constexpr std::string_view Mp3Abr = " --abr ";
constexpr std::string_view AacBitrate = " -br ";
constexpr std::string_view Mp3Max = " -B ";
constexpr std::string_view Mp3RangeMin = " -F -b ";
constexpr std::string_view OggMax = " -M ";
constexpr std::string_view OggMin = " -m ";
constexpr std::string_view NormalizeLevel = " -m ";
constexpr std::string_view Mp3Quality = " -q ";
constexpr std::string_view Mp3VbrQuality = " -V ";
constexpr std::string_view OggQuality = " -q"; // the value follows with no blank
constexpr std::string_view VbrNew = " -v --vbr-new";
constexpr std::string_view VbrOld = " -v --vbr-old";
constexpr std::string_view Mp3Protect = " -p";
constexpr std::string_view Mp2Protect = " -e";
constexpr std::string_view Downmix = " --downmix ";
constexpr std::string_view Dash = " -"; // AAC preset, FLAC level: no blank before the value
constexpr std::string_view Close = " ";
} // namespace Opt

std::string_view ChannelOption(ChannelMode channel)
{
    switch (channel) {
    case ChannelMode::Mono:
        return Opt::Mono;
    case ChannelMode::Stereo:
        return Opt::Stereo;
    case ChannelMode::DualChannel:
        return Opt::DualChannel;
    case ChannelMode::JointStereo:
        return Opt::JointStereo;
    }
    return Opt::JointStereo;
}

std::string_view VbrMethod(const EncoderSettings& s)
{
    return s.newVbr ? Opt::VbrNew : Opt::VbrOld;
}

} // namespace

std::string Join(std::initializer_list<std::string_view> parts)
{
    std::string joined;
    for (std::string_view part : parts)
        joined += part;
    return joined;
}

std::string MakeNormalizeOption(const EncoderSettings& settings)
{
    return Join({Opt::NormalizeLevel, settings.normalizeLevel});
}

namespace Prefix {

// ABR is tested before VBR, so with both checked the average bitrate wins.

std::string Mp3(const EncoderSettings& s, std::string_view encoder)
{
    const std::string_view protect = s.errorProtection ? Opt::Mp3Protect : "";
    const std::string_view channel = ChannelOption(s.channelMode);
    std::string rate;
    if (s.abr)
        rate = Join({Opt::Mp3Abr, s.bitrate, Opt::Mp3Max, s.maxBitrate, Opt::Bitrate, s.minBitrate});
    else if (s.vbr && s.bitrateRange)
        rate = Join({VbrMethod(s), Opt::Mp3VbrQuality, s.vbrQuality, Opt::Mp3RangeMin, s.minBitrate, Opt::Mp3Max,
                     s.maxBitrate});
    else if (s.vbr)
        rate = Join({VbrMethod(s), Opt::Mp3VbrQuality, s.vbrQuality});
    else
        rate = Join({Opt::Bitrate, s.bitrate});
    return Join({encoder, protect, channel, rate, Opt::Mp3Quality, s.quality, Opt::Close});
}

std::string Mp2(const EncoderSettings& s, std::string_view encoder)
{
    const std::string_view protect = s.errorProtection ? Opt::Mp2Protect : "";
    const bool monoDownmix = s.channelMode == ChannelMode::Mono && s.downmix;
    const std::string_view channel = monoDownmix ? Opt::Mp2MonoDownmix : ChannelOption(s.channelMode);
    return Join({encoder, protect, Opt::Bitrate, s.bitrate, channel, Opt::Close});
}

std::string Ogg(const EncoderSettings& s, std::string_view encoder)
{
    const std::string_view downmix = s.downmix ? Opt::Downmix : "";
    std::string rate;
    if (s.abr)
        rate = Join({Opt::OggMin, s.minBitrate, Opt::OggMax, s.maxBitrate, Opt::Bitrate, s.bitrate});
    else if (s.vbr)
        rate = Join({Opt::OggQuality, s.oggQuality});
    else
        rate = Join({Opt::Bitrate, s.bitrate});
    return Join({encoder, downmix, rate, Opt::Close});
}

std::string Aac(const EncoderSettings& s, std::string_view encoder)
{
    if (s.vbr)
        return Join({encoder, Opt::Dash, s.aacPreset, Opt::Close});
    return Join({encoder, Opt::AacBitrate, s.bitrate, Opt::Close});
}

std::string Flac(const EncoderSettings& s, std::string_view encoder)
{
    return Join({encoder, Opt::Dash, s.compression, Opt::Close});
}

std::string Tta(const EncoderSettings&, std::string_view encoder)
{
    return Join({encoder, Opt::Close});
}

} // namespace Prefix

} // namespace marulo
