#pragma once

#include "core/EncodeMode.h"
#include "core/EncoderPrefixes.h"

#include <array>
#include <iterator>
#include <string_view>

namespace marulo {

// The seven converters the user places in the tool folder, by the file names
// the program starts them with. The converter bridge answers to these names.
namespace Converter {
inline constexpr std::string_view Lame = "lame.exe";
inline constexpr std::string_view Toolame = "toolame.exe";
inline constexpr std::string_view Oggenc = "oggenc.exe";
inline constexpr std::string_view Aacenc = "aacenc.exe";
inline constexpr std::string_view Flac = "flac.exe";
inline constexpr std::string_view Ttaenc = "ttaenc.exe";
inline constexpr std::string_view Normalize = "normalize.exe";
} // namespace Converter

inline constexpr std::string_view NormalizerExecutable = Converter::Normalize;

inline constexpr std::array<std::string_view, 7> ConverterExecutables{
    Converter::Lame, Converter::Toolame, Converter::Oggenc,    Converter::Aacenc,
    Converter::Flac, Converter::Ttaenc,  Converter::Normalize,
};

// The command forms keep their blanks: finished lines hold runs of two or
// three of them. Encode command = prefix, beforeInput, input, beforeOutput, output.
struct EncodeForm {
    std::string_view beforeInput; // FLAC's prefix already ends in the blank
    std::string_view beforeOutput;
};

// Decode command = decoder, option, input, beforeOutput, decoded file.
struct DecodeForm {
    std::string_view option;
    std::string_view beforeOutput;
};

// Which cut of the input's name the decoded file is named after: FLAC's
// decoder writes "<stem4>.wav" beside the input, the others the work copy.
enum class DecodedName { WorkWav, FlacWav };

// Everything one encode mode means to a conversion. The converters are
// started by bare file name; the window looks for them in the tool folder.
struct ConverterRow {
    EncodeMode mode;
    std::string_view encoder;         // the encoder, head of EncoderPrefix; empty: no encoder
    std::string_view decoder;         // decode tool when Decode is set; empty: no decoding in this mode
    std::string_view outputExtension; // of the encoded file, without a dot; empty: nothing is encoded
    std::string_view checkedFile;     // the file looked for when the mode is chosen
    std::string_view decodeMask;      // what the file list shows while decoding
    DecodedName decodedName;
    PrefixBuilder prefix; // nullptr: no encoder
    EncodeForm encode;
    DecodeForm decode;
};

// clang-format off
// Indexed by EncodeMode.
inline constexpr ConverterRow ConverterTable[] = {
    {EncodeMode::Mp3, Converter::Lame, Converter::Lame, "mp3", Converter::Lame, "*.mp1;*.mp2;*.mp3",
     DecodedName::WorkWav, Prefix::Mp3, {" ", " "}, {" --decode ", " "}},
    {EncodeMode::Mp2, Converter::Toolame, Converter::Lame, "mp2", Converter::Toolame, "*.mp1;*.mp2;*.mp3",
     DecodedName::WorkWav, Prefix::Mp2, {" ", " "}, {" --decode ", " "}},
    {EncodeMode::Ogg, Converter::Oggenc, Converter::Lame, "ogg", Converter::Oggenc, "*.mp1;*.mp2;*.mp3",
     DecodedName::WorkWav, Prefix::Ogg, {" ", " -o "}, {" --decode ", " "}},
    {EncodeMode::Aac, Converter::Aacenc, Converter::Lame, "aac", Converter::Aacenc, "*.mp1;*.mp2;*.mp3",
     DecodedName::WorkWav, Prefix::Aac, {" -if ", " -of "}, {" --decode ", " "}},
    {EncodeMode::Flac, Converter::Flac, Converter::Flac, "flac", Converter::Flac, "*.flac",
     DecodedName::FlacWav, Prefix::Flac, {"", " -o "}, {" -d ", " -o "}},
    {EncodeMode::Tta, Converter::Ttaenc, Converter::Ttaenc, "tta", Converter::Ttaenc, "*.tta",
     DecodedName::WorkWav, Prefix::Tta, {" -e ", " -o "}, {" -d ", " -o "}},
    {EncodeMode::Wav, "", "", "", Converter::Normalize, "",
     DecodedName::WorkWav, nullptr, {"", ""}, {"", ""}},
};
// clang-format on
static_assert(std::size(ConverterTable) == EncodeModeCount, "one row per encode mode");

// The row of a mode. An index outside the group (no item selected) reads as the
// WAV row: no encoder and no decoder, so nothing but a normalise can run.
const ConverterRow& ConverterOf(EncodeMode mode);

} // namespace marulo
