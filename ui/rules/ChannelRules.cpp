// The channel buttons and "Normalize".
#include "ui/rules/ChannelRules.h"

#include "ui/controls/Controls.h"
#include "ui/controls/WindowSettings.h"
#include "ui/rules/ChannelTables.h"
#include "ui/rules/StateApplier.h"

#include <QCheckBox>

namespace marulo {

void ChannelRule(const Controls& ui, Ctl button)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    for (const ChannelTables::ChannelRow& row : ChannelTables::Channels)
        if (row.button == button)
            ui.CB9()->setEnabled(row.downmix[ModeIndex(mode)] == Cell::on);
}

void NormalizeRule(const Controls& ui)
{
    StateApplier(ui).applyEnabled(ChannelTables::NormalizeFollows);
}

} // namespace marulo
