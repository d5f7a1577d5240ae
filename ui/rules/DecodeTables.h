#pragma once

#include "ui/rules/ModeTables.h"
#include "ui/rules/StateCells.h"
#include "ui/texts/StatusTexts.h"

// The tables keep their hand-made columns.
// clang-format off

// What the decode box CB0 does to the window on entering and on leaving
// decode mode, as data.

namespace marulo::DecodeTables {

using enum Ctl;
using enum Cell;
using enum EncodeMode;
using enum Rate;

// Locked while decoding: the mode group and every option control.
inline constexpr Assign Locked[] = {
    {{RG1}, off},
    {{RB1, RB2, RB3, RB4}, off},
    {{CB1, CB2, CB3, CB4}, off},
    {{CB5, CB6, CB8, CB9}, off},
    {{LT1, LT2, LT3, LT4}, off},
    {{LT5}, off},
    {{ComB1, ComB2, ComB3}, off},
    {{ComB4, ComB6}, off},
    {{E1, E2, E3, E4}, off},
    {{UD1, UD2, UD3, UD4}, off},
};

// What the status bar says while decoding (the file list shows the mode's
// decode mask); WAV has none because CB0 is disabled there.
inline constexpr const char* Entering[] = {
    /* MP3  */ StatusTexts::DecodeMpx,
    /* MP2  */ StatusTexts::DecodeMpx,
    /* OGG  */ StatusTexts::DecodeMpx,
    /* AAC  */ StatusTexts::DecodeMpx,
    /* FLAC */ StatusTexts::DecodeFlac,
    /* TTA  */ StatusTexts::DecodeTta,
    /* WAV  */ nullptr,
};
static_assert(std::size(Entering) == EncodeModeCount);

// Enabled states on leaving: the final ones, so a control left locked shows
// off. WAV is never left (CB0 is disabled there): its cells keep.
inline constexpr ModeRow Enabled[] = {
    //                     MP3  MP2  OGG  AAC  FLAC TTA  WAV
    {{RB1},               {on,  on,  P,   off, off, off, keep}},
    {{RB2},               {on,  on,  P,   on,  on,  on,  keep}},
    {{RB3, RB4},          {on,  on,  off, off, off, off, keep}},
    {{CB0},               {on,  on,  on,  on,  on,  on,  keep}},
    {{CB1},               {R,   off, off, off, off, off, keep}},
    {{CB2},               {on,  off, on,  on,  off, off, keep}},
    {{CB3},               {on,  off, on,  off, off, off, keep}},
    {{CB4},               {on,  on,  on,  on,  on,  on,  keep}},
    {{CB5},               {on,  on,  off, off, off, off, keep}},
    {{CB6},               {N,   N,   N,   N,   N,   on,  keep}},
    {{CB8},               {R,   off, off, off, off, off, keep}},
    {{CB9},               {off, M,   on,  off, off, off, keep}},
    {{LT1, ComB1},        {R,   on,  R,   R,   off, off, keep}},
    {{LT2, ComB2},        {R,   off, R,   off, off, off, keep}},
    {{LT3, ComB3},        {R,   off, R,   off, off, off, keep}},
    {{LT4},               {R,   off, R,   R,   off, off, keep}},
    {{LT5, E2, UD2},      {off, off, off, off, on,  off, keep}},
    {{ComB4},             {off, off, off, R,   off, off, keep}},
    {{ComB6},             {off, off, R,   off, off, off, keep}},
    {{E1},                {N,   N,   N,   N,   N,   on,  keep}},
    {{UD1},               {on,  N,   N,   N,   N,   on,  keep}},
    {{E3, UD3},           {R,   off, off, off, off, off, keep}},
    {{E4, UD4},           {on,  off, off, off, off, off, keep}},
};

// The rate-control rows of the table above: in MP3 the quality label LT4
// follows the row; OGG and AAC take the rows of choosing the mode.
inline constexpr RateRow RateRows[] = {
    //               CB1   CB8   LT1   LT2   LT3   LT4   ComB4 ComB6 E3
    //                           ComB1 ComB2 ComB3                   UD3
    {Mp3, Abr,     {off,  off,  on,   on,   on,   off,  keep, keep, off}},
    {Mp3, Vbr,     {on,   on,   off,  F,    F,    on,   keep, keep, on}},
    {Mp3, Neither, {off,  off,  on,   off,  off,  off,  keep, keep, off}},
};

inline constexpr RateTable Rates{
    RateColumns,
    RateRows,
    &ModeTables::Rates,
};

// Check marks forced on leaving.
struct Forced {
    bool normalize;     // "Normalize" checked
    bool downmixMono;   // "2CH -> 1CH" checked exactly when "Mono" is selected
    bool downmixPair;   // "Mono"/"Stereo" follow "2CH -> 1CH"
};

inline constexpr Forced ForcedChoices[] = {
    /* MP3  */ {false, false, false},
    /* MP2  */ {false, true, false},
    /* OGG  */ {false, false, true},
    /* AAC  */ {false, false, false},
    /* FLAC */ {false, false, false},
    /* TTA  */ {true, false, false},
    /* WAV  */ {false, false, false},
};
static_assert(std::size(ForcedChoices) == EncodeModeCount);

// Shown states on leaving; UD3 and UD4 keep what the mode gave them.
inline constexpr ModeRow Shown[] = {
    //               MP3  MP2  OGG  AAC  FLAC TTA  WAV
    {{E3, E4},      {on,  off, off, off, off, off, keep}},
    {{ComB4},       {off, off, off, on,  off, off, keep}},
    {{ComB6},       {off, on,  on,  off, on,  on,  keep}},
};

// The status sentence on leaving; textVbr when "VBR" is checked.
struct Leave {
    const char* text;
    const char* textVbr;
};

inline constexpr Leave Leaving[] = {
    /* MP3  */ {StatusTexts::LameEncoding, StatusTexts::LameEncoding},
    /* MP2  */ {StatusTexts::ToolameEncoding, StatusTexts::ToolameEncoding},
    /* OGG  */ {StatusTexts::OggencRecommendVbr, StatusTexts::OggencRecommendVbr},
    /* AAC  */ {StatusTexts::AacencAverage, StatusTexts::AacencVbr},
    /* FLAC */ {StatusTexts::FlacEncoding, StatusTexts::FlacEncoding},
    /* TTA  */ {StatusTexts::TtaencEncoding, StatusTexts::TtaencEncoding},
    /* WAV  */ {nullptr, nullptr},
};
static_assert(std::size(Leaving) == EncodeModeCount);

} // namespace marulo::DecodeTables
// clang-format on
