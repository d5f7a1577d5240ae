// The window's click and key rules: each hands its controls to the rule in
// ui/rules and shows the status sentence the rule returns.
#include "launcher/Translation.h"
#include "ui/rules/ChannelRules.h"
#include "ui/rules/DecodeRules.h"
#include "ui/rules/KeyRules.h"
#include "ui/rules/ModeRules.h"
#include "ui/rules/RateRules.h"
#include "ui/window/TForm1.h"

namespace marulo {

namespace {

void Show(TForm1& form, const char* text)
{
    if (text)
        form.setStatusText(Translated("StatusTexts", text));
}

} // namespace

void TForm1::RG1Click()
{
    Show(*this, ModeRule(ui, [this](std::string_view fileName) { return ConverterPresent(fileName); }));
}
void TForm1::CB0Click()
{
    Show(*this, DecodeRule(ui));
}
void TForm1::CB2Click()
{
    Show(*this, VbrRule(ui));
}
void TForm1::CB3Click()
{
    Show(*this, AbrRule(ui));
}
void TForm1::CB4Click()
{
    NormalizeRule(ui);
}
void TForm1::CB8Click()
{
    BitrateRangeRule(ui);
}
void TForm1::CB9Click()
{
    DownmixRule(ui);
}
void TForm1::RB1Click()
{
    ChannelRule(ui, Ctl::RB1);
}
void TForm1::RB2Click()
{
    ChannelRule(ui, Ctl::RB2);
}
void TForm1::RB3Click()
{
    ChannelRule(ui, Ctl::RB3);
}
void TForm1::RB4Click()
{
    ChannelRule(ui, Ctl::RB4);
}

// During a conversion closeEvent only notes the request; the conversion rule
// ends the program when its last file is done.
void TForm1::B3Click()
{
    close();
}

bool TForm1::ComB1KeyPress(QWidget* control, QKeyEvent* event)
{
    return MoveOnEnter(this, control, event);
}
bool TForm1::E1KeyPress(QKeyEvent* event)
{
    return NumberFieldEnter(this, ui, Ctl::E1, event);
}
bool TForm1::E2KeyPress(QKeyEvent* event)
{
    return NumberFieldEnter(this, ui, Ctl::E2, event);
}
bool TForm1::ComB6KeyPress(QKeyEvent* event)
{
    return NumberFieldEnter(this, ui, Ctl::ComB6, event);
}

} // namespace marulo
