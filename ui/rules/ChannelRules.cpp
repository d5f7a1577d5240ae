// The channel buttons, "Normalize" and "Exit".
#include "ui/rules/ChannelTables.h"
#include "ui/rules/StateApplier.h"
#include "ui/window/TForm1.h"
#include "ui/window/WindowSettings.h"

#include <QCheckBox>

namespace marulo {

namespace {

void ApplyChannelRule(const Controls& ui, Ctl button)
{
    const EncodeMode mode = ReadEncodeMode(ui);
    for (const ChannelTables::ChannelRow& row : ChannelTables::Channels)
        if (row.button == button)
            ui.CB9()->setEnabled(row.downmix[ModeIndex(mode)] == Cell::on);
}

} // namespace

void TForm1::RB1Click()
{
    ApplyChannelRule(ui, Ctl::RB1);
}
void TForm1::RB2Click()
{
    ApplyChannelRule(ui, Ctl::RB2);
}
void TForm1::RB3Click()
{
    ApplyChannelRule(ui, Ctl::RB3);
}
void TForm1::RB4Click()
{
    ApplyChannelRule(ui, Ctl::RB4);
}

void TForm1::CB4Click()
{
    StateApplier(ui).applyEnabled(ChannelTables::NormalizeFollows);
}

// During a conversion closeEvent only notes the request; the conversion rule
// ends the program when its last file is done.
void TForm1::B3Click()
{
    close();
}

} // namespace marulo
