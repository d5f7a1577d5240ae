#pragma once

#include "core/EncodeMode.h"

#include <array>
#include <string_view>

namespace marulo {

// What each encode mode hands to which converter. The converters are started
// by bare file name; the window looks for them in the tool folder.
struct ConverterRow {
    EncodeMode mode;
    std::string_view encoder;         // head of EncoderPrefix, with its one closing blank; empty: no encoder
    std::string_view decoder;         // decode tool when Decode is set; empty: no decoding in this mode
    std::string_view outputExtension; // of the encoded file, without a dot; empty: nothing is encoded
    std::string_view checkedFile;     // the file looked for when the mode is chosen
};

inline constexpr std::string_view NormalizerExecutable = "normalize.exe";

// Indexed by EncodeMode.
inline constexpr std::array<ConverterRow, EncodeModeCount> ConverterTable{{
    {EncodeMode::Mp3, "lame.exe ", "lame.exe", "mp3", "lame.exe"},
    {EncodeMode::Mp2, "toolame.exe ", "lame.exe", "mp2", "toolame.exe"},
    {EncodeMode::Ogg, "oggenc.exe ", "lame.exe", "ogg", "oggenc.exe"},
    {EncodeMode::Aac, "aacenc.exe ", "lame.exe", "aac", "aacenc.exe"},
    {EncodeMode::Flac, "flac.exe ", "flac.exe", "flac", "flac.exe"},
    {EncodeMode::Tta, "ttaenc.exe ", "ttaenc.exe", "tta", "ttaenc.exe"},
    {EncodeMode::Wav, "", "", "", NormalizerExecutable},
}};

// The seven converters the user places in the tool folder.
inline constexpr std::array<std::string_view, 7> ConverterExecutables{
    "lame.exe", "toolame.exe", "oggenc.exe", "aacenc.exe", "flac.exe", "ttaenc.exe", NormalizerExecutable,
};

// The row of a mode. An index outside the group (no item selected) reads as the
// WAV row: no encoder and no decoder, so nothing but a normalise can run.
const ConverterRow& ConverterOf(EncodeMode mode);

} // namespace marulo
