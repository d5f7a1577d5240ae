#pragma once

#include "ui/rules/StateCells.h"
#include "ui/texts/StatusTexts.h"

// The tables keep their hand-made columns.
// clang-format off

// What the rate-control boxes "VBR" (CB2), "ABR" (CB3), "Bitrate Set (F)"
// (CB8) and "2CH -> 1CH" (CB9) do to the window, as data.

namespace marulo::RateTables {

using enum Ctl;
using enum Cell;
using enum EncodeMode;
using enum Rate;

// The modes in which each box's rule acts; elsewhere it does nothing at all.
struct ActsIn {
    Ctl box;
    ByMode<bool> modes;
};

inline constexpr ActsIn Acting[] = {
    //            MP3    MP2    OGG    AAC    FLAC   TTA    WAV
    {CB2,        {true,  false, true,  true,  false, false, false}},
    {CB3,        {true,  false, true,  false, false, false, false}},
    {CB8,        {true,  false, false, false, false, false, false}},
    {CB9,        {false, false, true,  false, false, false, false}},
};

constexpr bool Acts(Ctl box, EncodeMode mode) {
    for (const ActsIn& row : Acting)
        if (row.box == box)
            return row.modes[ModeIndex(mode)];
    return false;
}

// The states "VBR" and "ABR" leave, by mode and row.
inline constexpr RateRow RuleRows[] = {
    //               CB1  CB8  LT1   LT2   LT3   LT4  ComB4 ComB6 E3
    //                         ComB1 ComB2 ComB3                  UD3
    {Mp3, Vbr,     {on,  on,  off,  F,    F,    on,  off,  off,  on}},
    {Mp3, Abr,     {off, off, on,   on,   on,   on,  off,  off,  off}},
    {Mp3, Neither, {off, off, on,   off,  off,  on,  off,  off,  off}},
    {Ogg, Vbr,     {off, off, off,  off,  off,  on,  off,  on,   off}},
    {Ogg, Abr,     {off, off, on,   on,   on,   off, off,  off,  off}},
    {Ogg, Neither, {off, off, on,   off,  off,  off, off,  off,  off}},
    {Aac, Vbr,     {off, off, off,  off,  off,  on,  on,   off,  off}},
    {Aac, Neither, {off, off, on,   off,  off,  off, off,  off,  off}},
};

inline constexpr RateTable Rules{
    RateColumns,
    RuleRows,
};

// The mode's fixed states that the two rules set again as well.
struct Fixed {
    Ctl box;
    EncodeMode mode;
    bool checked;
    std::array<Cell, 3> cells;
};

inline constexpr std::array<Group, 3> FixedColumns{{{CB5}, {E4, UD4}, {CB9}}};

inline constexpr Fixed FixedRows[] = {
    //                     CB5   E4,UD4 CB9
    {CB2, Mp3, true,     {on,   on,    keep}},
    {CB2, Mp3, false,    {keep, on,    keep}},
    {CB2, Ogg, true,     {off,  off,   on}},
    {CB2, Ogg, false,    {keep, off,   keep}},
    {CB3, Mp3, true,     {on,   on,    keep}},
    {CB3, Mp3, false,    {on,   on,    keep}},
    {CB3, Ogg, true,     {off,  off,   on}},
    {CB3, Ogg, false,    {off,  off,   on}},
};

// "Bitrate Set (F)" opens the bitrate range.
inline constexpr Assign BitrateRange[] = {
    {{LT2, LT3, ComB2, ComB3}, F},
};

// Status sentences of "VBR" and "ABR".
struct Text {
    Ctl box;
    EncodeMode mode;
    const char* checked;
    const char* unchecked;
};

inline constexpr Text Texts[] = {
    {CB2, Mp3, StatusTexts::LameVbr, StatusTexts::LameConstant},
    {CB2, Ogg, StatusTexts::OggencVbr, StatusTexts::OggencConstant},
    {CB2, Aac, StatusTexts::AacencVbr, StatusTexts::AacencAverage},
    {CB3, Mp3, StatusTexts::LameAbr, StatusTexts::LameConstant},
    {CB3, Ogg, StatusTexts::OggencAbr, StatusTexts::OggencConstant},
};

} // namespace marulo::RateTables
// clang-format on
