#pragma once

#include "ui/rules/StateCells.h"

class QWidget;

namespace marulo {

class Controls;

// Walks the state tables over the real controls. Cells that follow a check
// mark read it at the moment they are applied, so a table applied after a
// forced choice sees the forced mark.
class StateApplier {
public:
    explicit StateApplier(const Controls& ui) : ui_(ui) {}

    QWidget* widget(Ctl control) const;

    // Enabled states of every row for the mode; R cells come from the rate row
    // (which may be nullptr when the mode's column has no R cell).
    void applyEnabled(std::span<const ModeRow> rows, EncodeMode mode, const RateTable& rates,
                      const RateRow* rate) const;
    // Enabled states of one rate row, skipping its blank cells.
    void applyRate(const RateTable& rates, const RateRow& row) const;
    // Shown (on) and hidden (off) states of every row for the mode.
    void applyShown(std::span<const ModeRow> rows, EncodeMode mode) const;
    // Enabled states of a flat list.
    void applyEnabled(std::span<const Assign> entries) const;

    // Whether a cell asks for enabled; keep is never asked.
    bool resolve(Ctl control, Cell cell) const;

private:
    void setEnabled(const Group& controls, Cell cell) const;

    const Controls& ui_;
};

} // namespace marulo
