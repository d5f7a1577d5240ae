#pragma once

#include "core/EncodeMode.h"
#include "ui/controls/ControlNames.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The vocabulary of the window's state tables. The rules keep their tables as
// data in this shape (ModeTables.h, RateTables.h, DecodeTables.h,
// ChannelTables.h) and hand them to the one StateApplier, so a table can be
// be read row by row against the rule it stands for.

namespace marulo {

// One cell. The names are the letters the tables use; "on" and "off" also
// stand for shown and hidden in the visibility tables.
enum class Cell : std::uint8_t {
    keep, // unchanged (a blank cell or "–")
    on,
    off,
    N, // enabled exactly when "Normalize" (CB4) is checked
    M, // enabled exactly when "Mono" (RB1) is checked
    P, // the OGG downmix pair: "Mono" enabled exactly when "2CH -> 1CH" (CB9) is checked, "Stereo" when it is not
    F, // enabled exactly when "Bitrate Set (F)" (CB8) is checked
    R, // the cell of the rate-control row in force
};

// The controls that share one row (or one column) of a table.
using Group = std::array<Ctl, 4>;

// One value per EncodeMode, in mode order. It is made from exactly
// EncodeModeCount values, so a row with a cell missing does not compile.
template <class T>
struct ByMode {
    template <class... Values>
    requires(sizeof...(Values) == EncodeModeCount) constexpr ByMode(Values... values) : cells{values...} {}

    constexpr const T& operator[](std::size_t index) const { return cells[index]; }

    std::array<T, EncodeModeCount> cells;
};

// A row of a table by mode: the controls and one cell per EncodeMode.
struct ModeRow {
    Group controls;
    ByMode<Cell> cells;
};

// Which rate-control row is in force.
enum class Rate : std::uint8_t { Abr, Vbr, Neither };

inline constexpr std::size_t RateColumnCount = 9;

struct RateRow {
    EncodeMode mode;
    Rate rate;
    std::array<Cell, RateColumnCount> cells;
};

// The rate-control columns, in the one order every rate-control table gives
// its cells: the boxes, the bitrate fields, then the quality fields.
inline constexpr std::array<Group, RateColumnCount> RateColumns{{
    {Ctl::CB1},
    {Ctl::CB8},
    {Ctl::LT1, Ctl::ComB1},
    {Ctl::LT2, Ctl::ComB2},
    {Ctl::LT3, Ctl::ComB3},
    {Ctl::LT4},
    {Ctl::ComB4},
    {Ctl::ComB6},
    {Ctl::E3, Ctl::UD3},
}};

// A rate-control table: its rows, with their cells in RateColumns order.
struct RateTable {
    std::array<Group, RateColumnCount> columns;
    std::span<const RateRow> rows;
    // Where the rows a table does not have come from; nullptr: nowhere.
    const RateTable* otherRows = nullptr;

    // The row of that mode and rate; nullptr when neither table has one.
    constexpr const RateRow* find(EncodeMode mode, Rate rate) const
    {
        for (const RateRow& row : rows)
            if (row.mode == mode && row.rate == rate)
                return &row;
        return otherRows ? otherRows->find(mode, rate) : nullptr;
    }
};

// One flat entry: the same cell for a few controls.
struct Assign {
    Group controls;
    Cell cell;
};

// The row a mode takes from the check marks of "ABR" and "VBR": "ABR" is tested
// first, and not at all in AAC, where it is disabled.
constexpr Rate RateFromMarks(EncodeMode mode, bool abr, bool vbr)
{
    if (abr && mode != EncodeMode::Aac)
        return Rate::Abr;
    return vbr ? Rate::Vbr : Rate::Neither;
}

constexpr std::size_t ModeIndex(EncodeMode mode)
{
    return static_cast<std::size_t>(mode);
}

} // namespace marulo
