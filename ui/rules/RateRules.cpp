// The rate-control boxes: "VBR", "ABR", "Bitrate Set (F)", "2CH -> 1CH".
#include "ui/rules/RateRules.h"

#include "ui/controls/Controls.h"
#include "ui/controls/WindowSettings.h"
#include "ui/rules/DownmixPair.h"
#include "ui/rules/RateTables.h"
#include "ui/rules/StateApplier.h"

#include <QCheckBox>

namespace marulo {

namespace {

// The row's states, then the mode's fixed states the rule sets again; returns
// the status sentence.
const char* ApplyRateRule(const Controls& ui, Ctl box, EncodeMode mode, bool checked, Rate rate)
{
    const StateApplier applier(ui);
    if (const RateRow* row = RateTables::Rules.find(mode, rate))
        applier.applyRate(RateTables::Rules, *row);
    for (const RateTables::Fixed& fixed : RateTables::FixedRows) {
        if (fixed.box != box || fixed.mode != mode || fixed.checked != checked)
            continue;
        for (std::size_t column = 0; column < fixed.cells.size(); ++column) {
            const Assign entry{RateTables::FixedColumns[column], fixed.cells[column]};
            applier.applyEnabled({&entry, 1});
        }
    }
    for (const RateTables::Text& text : RateTables::Texts)
        if (text.box == box && text.mode == mode)
            return checked ? text.checked : text.unchecked;
    return nullptr;
}

} // namespace

const char* VbrRule(const Controls& ui)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    if (!RateTables::Acts(Ctl::CB2, mode))
        return nullptr;
    const bool checked = ui.CB2()->isChecked();
    // The interlock: unchecking "ABR" runs its rule nested; all it sets is set
    // again here. In AAC "ABR" is disabled and keeps its mark.
    if (checked && mode != EncodeMode::Aac)
        ui.CB3()->setChecked(false);
    // Unchecked takes the constant-bitrate row without looking at "ABR".
    return ApplyRateRule(ui, Ctl::CB2, mode, checked, checked ? Rate::Vbr : Rate::Neither);
}

const char* AbrRule(const Controls& ui)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    if (!RateTables::Acts(Ctl::CB3, mode))
        return nullptr;
    const bool checked = ui.CB3()->isChecked();
    if (checked)
        ui.CB2()->setChecked(false);
    return ApplyRateRule(ui, Ctl::CB3, mode, checked, checked ? Rate::Abr : Rate::Neither);
}

void BitrateRangeRule(const Controls& ui)
{
    if (!RateTables::Acts(Ctl::CB8, ReadEncodeMode(ui)))
        return;
    StateApplier(ui).applyEnabled(RateTables::BitrateRange);
}

void DownmixRule(const Controls& ui)
{
    if (!RateTables::Acts(Ctl::CB9, ReadEncodeMode(ui)))
        return;
    ApplyDownmixPair(ui);
}

} // namespace marulo
