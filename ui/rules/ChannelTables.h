#pragma once

#include "ui/rules/StateCells.h"

// The tables keep their hand-made columns.
// clang-format off

// The channel buttons, "Normalize" and the numeric fields' limits, as data.

namespace marulo::ChannelTables {

using enum Ctl;
using enum Cell;

// Each channel button's rule sets only whether "2CH -> 1CH" (CB9) is enabled;
// it never touches its check mark.
struct ChannelRow {
    Ctl button;
    ByMode<Cell> downmix;
};

inline constexpr ChannelRow Channels[] = {
    //         MP3  MP2  OGG  AAC  FLAC TTA  WAV
    {RB1,     {off, on,  on,  off, off, off, off}},
    {RB2,     {off, off, on,  off, off, off, off}},
    {RB3,     {off, off, off, off, off, off, off}},
    {RB4,     {off, off, off, off, off, off, off}},
};

// "Normalize" unlocks the percentage and the temporary-file switch; the
// percentage's spin button keeps its state.
inline constexpr Assign NormalizeFollows[] = {
    {{E1, CB6}, N},
};

// Enter in a numeric field pulls a value beyond a limit back to the limit's text.
struct Limit {
    Ctl field;
    double upper;
    const char* upperText;
    bool hasLower;
    double lower;
    const char* lowerText;
};

inline constexpr Limit Limits[] = {
    {E1, 100.0, "100", true, 0.0, "0"},
    {E2, 8.0, "8", false, 0.0, nullptr},
    {ComB6, 10.0, "10", false, 0.0, nullptr},
};

} // namespace marulo::ChannelTables
// clang-format on
