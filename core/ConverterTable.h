#pragma once

#include "core/EncodeMode.h"

#include <array>
#include <string_view>

namespace marulo {

// What each encode mode hands to which converter. The converters are started
// by bare file name; the window looks for them in the tool folder.
struct ConverterRow {
    EncodeMode mode;
    std::string_view encoder;         // the encoder, head of EncoderPrefix; empty: no encoder
    std::string_view decoder;         // decode tool when Decode is set; empty: no decoding in this mode
    std::string_view outputExtension; // of the encoded file, without a dot; empty: nothing is encoded
    std::string_view checkedFile;     // the file looked for when the mode is chosen
};

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

// Indexed by EncodeMode.
inline constexpr std::array<ConverterRow, EncodeModeCount> ConverterTable{{
    {EncodeMode::Mp3, Converter::Lame, Converter::Lame, "mp3", Converter::Lame},
    {EncodeMode::Mp2, Converter::Toolame, Converter::Lame, "mp2", Converter::Toolame},
    {EncodeMode::Ogg, Converter::Oggenc, Converter::Lame, "ogg", Converter::Oggenc},
    {EncodeMode::Aac, Converter::Aacenc, Converter::Lame, "aac", Converter::Aacenc},
    {EncodeMode::Flac, Converter::Flac, Converter::Flac, "flac", Converter::Flac},
    {EncodeMode::Tta, Converter::Ttaenc, Converter::Ttaenc, "tta", Converter::Ttaenc},
    {EncodeMode::Wav, "", "", "", Converter::Normalize},
}};

// The row of a mode. An index outside the group (no item selected) reads as the
// WAV row: no encoder and no decoder, so nothing but a normalise can run.
const ConverterRow& ConverterOf(EncodeMode mode);

} // namespace marulo
