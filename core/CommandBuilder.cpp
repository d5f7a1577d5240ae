#include "core/CommandBuilder.h"

#include "core/ConverterTable.h"

namespace marulo {

namespace {

constexpr std::string_view Blank = " ";
constexpr std::string_view NormalizeOutput = "-o "; // its separating blank comes on its own

} // namespace

void BuildEncoderPrefix(const EncoderSettings& settings, EncoderOptions& options)
{
    options.NormalizeOption = MakeNormalizeOption(settings);
    options.PressMode = settings.mode;
    const ConverterRow& converter = ConverterOf(settings.mode);
    if (converter.encoder.empty())
        return; // WAV: the earlier prefix and extension stay as they were
    options.EncoderPrefix = CommandLine().appendText(converter.prefix(settings, Join({converter.encoder, Blank})));
    options.OutputExtension = std::string(converter.outputExtension);
}

CommandLine BuildNormalizeCommand(const std::string& normalizeOption, const std::string& workWavPath,
                                  const std::string& inputPath)
{
    CommandLine command;
    command.appendText(NormalizerExecutable)
        .appendText(normalizeOption)
        .appendText(Blank)
        .appendText(NormalizeOutput)
        .appendPath(workWavPath)
        .appendText(Blank)
        .appendPath(inputPath);
    return command;
}

std::optional<CommandLine> BuildDecodeCommand(EncodeMode mode, const std::string& inputPath,
                                              const std::string& decodedPath)
{
    const ConverterRow& converter = ConverterOf(mode);
    if (converter.decoder.empty())
        return std::nullopt;
    const DecodeForm& form = converter.decode;
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
    const EncodeForm& form = converter.encode;
    CommandLine command = encoderPrefix;
    command.appendText(form.beforeInput).appendPath(encoderInput).appendText(form.beforeOutput).appendPath(outputPath);
    return command;
}

} // namespace marulo
