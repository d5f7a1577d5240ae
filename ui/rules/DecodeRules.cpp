// The decode box CB0 (CB0Click).
#include "ui/rules/DecodeRules.h"

#include "core/ConverterTable.h"
#include "ui/controls/Controls.h"
#include "ui/controls/WindowSettings.h"
#include "ui/rules/DecodeTables.h"
#include "ui/rules/DownmixPair.h"
#include "ui/rules/StateApplier.h"
#include "ui/texts/FormTexts.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QRadioButton>

namespace marulo {

const char* DecodeRule(const Controls& ui)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    const std::size_t index = ModeIndex(mode);
    const StateApplier applier(ui);

    if (ui.CB0()->isChecked()) {
        // Marks, texts and shown states stay; the lists and buttons stay usable.
        applier.applyEnabled(DecodeTables::Locked);
        const char* text = DecodeTables::Entering[index];
        if (text) {
            const std::string_view mask = ConverterOf(mode).decodeMask;
            ui.FLB1()->setMask(QString::fromUtf8(mask.data(), static_cast<qsizetype>(mask.size())));
        }
        return text;
    }

    ui.FLB1()->setMask(QString::fromUtf8(FormTexts::EncodeMask));
    ui.RG1()->setEnabled(true);

    const Rate rate = RateFromMarks(mode, ui.CB3()->isChecked(), ui.CB2()->isChecked());
    applier.applyEnabled(DecodeTables::Enabled, mode, DecodeTables::Rates, DecodeTables::Rates.find(mode, rate));

    // Forced marks after the enabled states: the nested rules they run leave
    // the same states the table gives.
    const DecodeTables::Forced& forced = DecodeTables::ForcedChoices[index];
    if (forced.normalize)
        ui.CB4()->setChecked(true);
    if (forced.downmixMono)
        ui.CB9()->setChecked(ui.RB1()->isChecked());
    if (forced.downmixPair)
        ApplyDownmixPair(ui);

    applier.applyShown(DecodeTables::Shown, mode);

    const DecodeTables::Leave& leave = DecodeTables::Leaving[index];
    return ui.CB2()->isChecked() ? leave.textVbr : leave.text;
}

} // namespace marulo
