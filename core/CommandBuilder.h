#pragma once

#include "core/CommandLine.h"
#include "core/EncoderPrefixes.h"
#include "core/LoudnessLevel.h"

#include <optional>
#include <string>

namespace marulo {

// The strings built once per press of a conversion button and held by the
// conversion from one press to the next.
struct EncoderOptions {
    CommandLine EncoderPrefix;
    std::string OutputExtension;
    std::string NormalizeOption;
    // The mode of the last press: its encoder and command form go with the
    // prefix, whatever mode the user chooses while the run goes on.
    EncodeMode PressMode = EncodeMode::Mp3;
    NormalizeLevel Level; // set by the press from the run policy; Peak reads NormalizeOption
};

// Rebuilds NormalizeOption and PressMode always; EncoderPrefix and OutputExtension in every
// mode but WAV, which leaves the earlier values as they were.
void BuildEncoderPrefix(const EncoderSettings& settings, EncoderOptions& options);

CommandLine BuildNormalizeCommand(const std::string& normalizeOption, const std::string& workWavPath,
                                  const std::string& inputPath);

// No decode command exists in mode WAV.
std::optional<CommandLine> BuildDecodeCommand(EncodeMode mode, const std::string& inputPath,
                                              const std::string& decodedPath);

// No encode command exists in mode WAV. The encoder input is the normalised
// copy (WorkWavPath) after a normalise step, otherwise the selected file's own
// path: a name rebuilt with a lower-case "wav" can miss it on a case-sensitive
// file system.
std::optional<CommandLine> BuildEncodeCommand(EncodeMode mode, const CommandLine& encoderPrefix,
                                              const std::string& encoderInput, const std::string& outputPath);

} // namespace marulo
