// Choosing an encode mode (RG1Click).
#include "ui/rules/ModeRules.h"

#include "core/ConverterTable.h"
#include "launcher/Translation.h"
#include "ui/controls/Controls.h"
#include "ui/controls/WindowSettings.h"
#include "ui/rules/DownmixPair.h"
#include "ui/rules/ModeTables.h"
#include "ui/rules/StateApplier.h"
#include "ui/texts/FormTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace marulo {

const char* ModeRule(const Controls& ui, const ConverterCheck& converterPresent)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    const std::size_t index = ModeIndex(mode);
    const StateApplier applier(ui);

    // 1. Forced choices first: each check mark set here runs its own rule at
    // once, and step 2 then sets every enabled state again (so in WAV
    // "TMP File Delete" ends disabled although "Normalize" enabled it).
    const ModeTables::Forced& forced = ModeTables::ForcedChoices[index];
    if (forced.stereo)
        ui.RB2()->setChecked(true);
    if (forced.normalize)
        ui.CB4()->setChecked(true);
    if (forced.downmixPair)
        ApplyDownmixPair(ui);

    // 2. Enabled and shown states.
    const Rate rate = RateFromMarks(mode, ui.CB3()->isChecked(), ui.CB2()->isChecked());
    applier.applyEnabled(ModeTables::Enabled, mode, ModeTables::Rates, ModeTables::Rates.find(mode, rate));
    applier.applyShown(ModeTables::Shown, mode);

    // 3. Captions and hint.
    const ModeTables::Texts& texts = ModeTables::TextsByMode[index];
    ui.LT4()->setText(QString::fromUtf8(texts.lt4));
    if (texts.cb0) {
        ui.CB0()->setText(QString::fromUtf8(texts.cb0));
        ui.CB0()->setToolTip(Translated("FormTexts", texts.cb0Hint));
    }

    // 4. The converter in the tool folder captured at activation, not the
    // folder the list shows now.
    return !converterPresent(ConverterOf(mode).checkedFile) ? texts.absent
           : ui.CB2()->isChecked()                          ? texts.presentVbr
                                                            : texts.present;
}

} // namespace marulo
