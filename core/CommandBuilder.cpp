#include "core/CommandBuilder.h"

#include "core/ConverterTable.h"

#include <array>
#include <initializer_list>

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

// The literals of the command forms.
namespace Form {
constexpr std::string_view Blank = " ";
constexpr std::string_view Output = " -o ";
constexpr std::string_view AacInput = " -if ";
constexpr std::string_view AacOutput = " -of ";
constexpr std::string_view TtaEncode = " -e ";
constexpr std::string_view Decode = " -d ";
constexpr std::string_view LameDecode = " --decode ";
constexpr std::string_view NormalizeOutput = "-o "; // its separating blank comes on its own
} // namespace Form

std::string Join(std::initializer_list<std::string_view> parts)
{
    std::string joined;
    for (std::string_view part : parts)
        joined += part;
    return joined;
}

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

// One function per mode; each branch reads top to bottom as the option order.
// ABR is tested before VBR, so with both checked the average bitrate wins.

std::string Mp3Prefix(const EncoderSettings& s, std::string_view encoder)
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

std::string Mp2Prefix(const EncoderSettings& s, std::string_view encoder)
{
    const std::string_view protect = s.errorProtection ? Opt::Mp2Protect : "";
    const bool monoDownmix = s.channelMode == ChannelMode::Mono && s.downmix;
    const std::string_view channel = monoDownmix ? Opt::Mp2MonoDownmix : ChannelOption(s.channelMode);
    return Join({encoder, protect, Opt::Bitrate, s.bitrate, channel, Opt::Close});
}

std::string OggPrefix(const EncoderSettings& s, std::string_view encoder)
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

std::string AacPrefix(const EncoderSettings& s, std::string_view encoder)
{
    if (s.vbr)
        return Join({encoder, Opt::Dash, s.aacPreset, Opt::Close});
    return Join({encoder, Opt::AacBitrate, s.bitrate, Opt::Close});
}

std::string FlacPrefix(const EncoderSettings& s, std::string_view encoder)
{
    return Join({encoder, Opt::Dash, s.compression, Opt::Close});
}

std::string TtaPrefix(const EncoderSettings&, std::string_view encoder)
{
    return Join({encoder, Opt::Close});
}

using PrefixBuilder = std::string (*)(const EncoderSettings&, std::string_view);

// Indexed by EncodeMode; WAV builds nothing.
constexpr std::array<PrefixBuilder, EncodeModeCount> PrefixBuilders{
    Mp3Prefix, Mp2Prefix, OggPrefix, AacPrefix, FlacPrefix, TtaPrefix, nullptr,
};

// Encode command = prefix, beforeInput, input, beforeOutput, output.
struct EncodeForm {
    std::string_view beforeInput; // FLAC's prefix already ends in the blank
    std::string_view beforeOutput;
};

constexpr std::array<EncodeForm, EncodeModeCount> EncodeForms{{
    {Form::Blank, Form::Blank},        // MP3
    {Form::Blank, Form::Blank},        // MP2
    {Form::Blank, Form::Output},       // OGG
    {Form::AacInput, Form::AacOutput}, // AAC
    {"", Form::Output},                // FLAC
    {Form::TtaEncode, Form::Output},   // TTA
    {"", ""},                          // WAV: unused, no encoder
}};

// Decode command = decoder, option, input, beforeOutput, decoded file.
struct DecodeForm {
    std::string_view option;
    std::string_view beforeOutput;
};

constexpr std::array<DecodeForm, EncodeModeCount> DecodeForms{{
    {Form::LameDecode, Form::Blank}, // MP3
    {Form::LameDecode, Form::Blank}, // MP2
    {Form::LameDecode, Form::Blank}, // OGG
    {Form::LameDecode, Form::Blank}, // AAC
    {Form::Decode, Form::Output},    // FLAC
    {Form::Decode, Form::Output},    // TTA
    {"", ""},                        // WAV: unused, no decoder
}};

} // namespace

std::string MakeNormalizeOption(const EncoderSettings& settings)
{
    return Join({Opt::NormalizeLevel, settings.normalizeLevel});
}

void BuildEncoderPrefix(const EncoderSettings& settings, EncoderOptions& options)
{
    options.NormalizeOption = MakeNormalizeOption(settings);
    const ConverterRow& converter = ConverterOf(settings.mode);
    if (converter.encoder.empty())
        return; // WAV: the earlier prefix and extension stay as they were
    const PrefixBuilder build = PrefixBuilders[static_cast<int>(converter.mode)];
    options.EncoderPrefix = CommandLine().appendText(build(settings, Join({converter.encoder, Form::Blank})));
    options.OutputExtension = std::string(converter.outputExtension);
}

CommandLine BuildNormalizeCommand(const std::string& normalizeOption, const std::string& workWavPath,
                                  const std::string& inputPath)
{
    CommandLine command;
    command.appendText(NormalizerExecutable)
        .appendText(normalizeOption)
        .appendText(Form::Blank)
        .appendText(Form::NormalizeOutput)
        .appendPath(workWavPath)
        .appendText(Form::Blank)
        .appendPath(inputPath);
    return command;
}

std::optional<CommandLine> BuildDecodeCommand(EncodeMode mode, const std::string& inputPath,
                                              const std::string& decodedPath)
{
    const ConverterRow& converter = ConverterOf(mode);
    if (converter.decoder.empty())
        return std::nullopt;
    const DecodeForm& form = DecodeForms[static_cast<int>(converter.mode)];
    CommandLine command;
    command.appendText(converter.decoder)
        .appendText(form.option)
        .appendPath(inputPath)
        .appendText(form.beforeOutput)
        .appendPath(decodedPath);
    return command;
}

std::optional<CommandLine> BuildEncodeCommand(EncodeMode mode, const CommandLine& encoderPrefix,
                                              const std::string& encoderInput, const std::string& outputPath)
{
    const ConverterRow& converter = ConverterOf(mode);
    if (converter.encoder.empty())
        return std::nullopt;
    const EncodeForm& form = EncodeForms[static_cast<int>(converter.mode)];
    CommandLine command = encoderPrefix;
    command.appendText(form.beforeInput).appendPath(encoderInput).appendText(form.beforeOutput).appendPath(outputPath);
    return command;
}

} // namespace marulo
