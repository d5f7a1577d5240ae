#pragma once

#include "ui/rules/StateCells.h"
#include "ui/texts/FormTexts.h"
#include "ui/texts/StatusTexts.h"

// The tables keep their hand-made columns.
// clang-format off

// What choosing an encode mode does to the window (RG1Click), as data.

namespace marulo::ModeTables {

using enum Ctl;
using enum Cell;
using enum EncodeMode;
using enum Rate;

// The choices a mode forces before anything is enabled.
struct Forced {
    bool stereo;       // "Stereo" checked
    bool normalize;    // "Normalize" checked
    bool downmixPair;  // "Mono"/"Stereo" follow "2CH -> 1CH"
};

inline constexpr Forced ForcedChoices[] = {
    /* MP3  */ {false, false, false},
    /* MP2  */ {false, false, false},
    /* OGG  */ {false, false, true},
    /* AAC  */ {true, false, false},
    /* FLAC */ {true, false, false},
    /* TTA  */ {true, true, false},
    /* WAV  */ {false, true, false},
};
static_assert(std::size(ForcedChoices) == EncodeModeCount);

// Enabled states.
inline constexpr ModeRow Enabled[] = {
    //               MP3  MP2  OGG  AAC  FLAC TTA  WAV
    {{RB1},         {on,  on,  P,   off, off, off, off}},
    {{RB2},         {on,  on,  P,   on,  on,  on,  off}},
    {{RB3},         {on,  on,  off, off, off, off, off}},
    {{RB4},         {on,  on,  off, off, off, off, off}},
    {{CB0},         {on,  on,  on,  on,  on,  on,  off}},
    {{CB1},         {R,   off, off, off, off, off, off}},
    {{CB2},         {on,  off, on,  on,  off, off, off}},
    {{CB3},         {on,  off, on,  off, off, off, off}},
    {{CB4},         {on,  on,  on,  on,  on,  on,  off}},
    {{CB5},         {on,  on,  off, off, off, off, off}},
    {{CB6},         {N,   N,   N,   N,   N,   on,  off}},
    {{CB8},         {R,   off, off, off, off, off, off}},
    {{CB9},         {off, M,   on,  off, off, off, off}},
    {{LT1},         {R,   on,  R,   R,   off, off, off}},
    {{LT2},         {R,   off, R,   off, off, off, off}},
    {{LT3},         {R,   off, R,   off, off, off, off}},
    {{LT4},         {on,  off, R,   R,   off, off, off}},
    {{LT5},         {off, off, off, off, on,  off, off}},
    {{ComB1},       {R,   on,  R,   R,   off, off, off}},
    {{ComB2},       {R,   off, R,   off, off, off, off}},
    {{ComB3},       {R,   off, R,   off, off, off, off}},
    {{ComB4},       {off, off, off, R,   off, off, off}},
    {{ComB6},       {off, off, R,   off, off, off, off}},
    {{E1},          {keep,keep,keep,keep,keep,on,  on}},
    {{UD1},         {on,  on,  on,  on,  on,  on,  on}},
    {{E2},          {off, off, off, off, on,  off, off}},
    {{UD2},         {off, off, off, off, on,  off, off}},
    {{E3},          {R,   off, off, off, off, off, off}},
    {{UD3},         {R,   off, off, off, off, off, off}},
    {{E4},          {on,  off, off, off, off, off, off}},
    {{UD4},         {on,  off, off, off, off, off, off}},
};

// Shown (on) and hidden (off) states; every other control stays shown.
inline constexpr ModeRow Shown[] = {
    //                      MP3  MP2  OGG  AAC  FLAC TTA  WAV
    {{E3, UD3, E4, UD4},   {on,  off, off, off, off, off, off}},
    {{ComB4},              {off, off, off, on,  off, off, off}},
    {{ComB6},              {off, on,  on,  off, on,  on,  on}},
    {{UD1, UD2},           {on,  on,  on,  on,  on,  on,  on}},
};

// The R cells: the MP3, OGG and AAC rate-control tables side by side (a blank
// cell is a column that mode's table does not have).
inline constexpr RateRow RateRows[] = {
    //               CB1   CB8   LT1   LT2   LT3   LT4   ComB4 ComB6 E3
    //                           ComB1 ComB2 ComB3                   UD3
    {Mp3, Abr,     {off,  off,  on,   on,   on,   keep, keep, keep, off}},
    {Mp3, Vbr,     {on,   on,   off,  F,    F,    keep, keep, keep, on}},
    {Mp3, Neither, {off,  off,  on,   off,  off,  keep, keep, keep, off}},
    {Ogg, Abr,     {keep, keep, on,   on,   on,   off,  keep, off,  keep}},
    {Ogg, Vbr,     {keep, keep, off,  off,  off,  on,   keep, on,   keep}},
    {Ogg, Neither, {keep, keep, on,   off,  off,  off,  keep, off,  keep}},
    {Aac, Vbr,     {keep, keep, off,  keep, keep, on,   on,   keep, keep}},
    {Aac, Neither, {keep, keep, on,   keep, keep, off,  off,  keep, keep}},
};

inline constexpr RateTable Rates{
    RateColumns,
    RateRows,
};

// The label of "Quality", the decode box and its hint, and the status sentence
// after the converter check. nullptr leaves a caption as it was (the decode
// box in WAV, where it is disabled). The file looked for is the checkedFile of
// core/ConverterTable.h; presentVbr is the text when "VBR" is checked, only
// AAC has one of its own.
struct Texts {
    const char* lt4;
    const char* cb0;
    const char* cb0Hint;
    const char* present;
    const char* presentVbr;
    const char* absent;
};

namespace FT = FormTexts;
namespace ST = StatusTexts;

inline constexpr Texts TextsByMode[] = {
    /* MP3  */ {FT::QualityLabelMp3, FT::MpxDecodeCaption, FT::LameDecodeHint, ST::LameEncoding, ST::LameEncoding, ST::LameNotFound},
    /* MP2  */ {FT::QualityLabel, FT::MpxDecodeCaption, FT::LameDecodeHint, ST::ToolameEncoding, ST::ToolameEncoding, ST::ToolameNotFound},
    /* OGG  */ {FT::QualityLabel, FT::MpxDecodeCaption, FT::LameDecodeHint, ST::OggencEncoding, ST::OggencEncoding, ST::OggencNotFound},
    /* AAC  */ {FT::QualityLabel, FT::MpxDecodeCaption, FT::LameDecodeHint, ST::AacencModeAverage, ST::AacencModeVbr, ST::AacencNotFound},
    /* FLAC */ {FT::QualityLabel, FT::FlacDecodeCaption, FT::FlacDecodeHint, ST::FlacEncoding, ST::FlacEncoding, ST::FlacNotFound},
    /* TTA  */ {FT::QualityLabel, FT::TtaDecodeCaption, FT::TtaDecodeHint, ST::TtaencEncoding, ST::TtaencEncoding, ST::TtaencNotFound},
    /* WAV  */ {FT::QualityLabel, nullptr, nullptr, ST::NormalizeOnly, ST::NormalizeOnly, ST::NormalizeNotFound},
};
static_assert(std::size(TextsByMode) == EncodeModeCount);

} // namespace marulo::ModeTables
// clang-format on
