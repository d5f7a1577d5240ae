#include "ui/rules/DownmixPair.h"

#include "ui/controls/Controls.h"

#include <QCheckBox>
#include <QRadioButton>

namespace marulo {

void ApplyDownmixPair(const Controls& ui)
{
    const bool mono = ui.CB9()->isChecked();
    QRadioButton* chosen = mono ? ui.RB1() : ui.RB2();
    QRadioButton* other = mono ? ui.RB2() : ui.RB1();
    chosen->setEnabled(true);
    other->setEnabled(false);
    // Checking the chosen one unchecks the other (one group); a button
    // already checked stays so and runs nothing.
    chosen->setChecked(true);
}

} // namespace marulo
