#pragma once

#include "core/EncoderSettings.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace marulo {

// The pieces of one line, joined with nothing between them: every blank is
// part of the pieces.
std::string Join(std::initializer_list<std::string_view> parts);

// The option part of one encoder's line, the encoder's name first. Each reads
// top to bottom as the option order.
using PrefixBuilder = std::string (*)(const EncoderSettings&, std::string_view encoder);

namespace Prefix {
std::string Mp3(const EncoderSettings& s, std::string_view encoder);
std::string Mp2(const EncoderSettings& s, std::string_view encoder);
std::string Ogg(const EncoderSettings& s, std::string_view encoder);
std::string Aac(const EncoderSettings& s, std::string_view encoder);
std::string Flac(const EncoderSettings& s, std::string_view encoder);
std::string Tta(const EncoderSettings& s, std::string_view encoder);
} // namespace Prefix

// " -m " and the level as typed.
std::string MakeNormalizeOption(const EncoderSettings& settings);

} // namespace marulo
