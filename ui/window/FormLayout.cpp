#include "launcher/Translation.h"
#include "ui/texts/FormTexts.h"
#include "ui/texts/StatusTexts.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FixedRowDelegate.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpDown.h"
#include "ui/window/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

#include <utility>

namespace marulo {

namespace {

constexpr int ClientWidth = 438;
constexpr int ClientHeight = 340;
constexpr int ComboRowHeight = 15;

struct Place {
    Ctl control;
    int left, top, width, height;
};

// Positions at 96 dpi, relative to the parent's client area.
constexpr Place Places[] = {
    {Ctl::P1, 0, 0, 438, 321},      {Ctl::RG1, 8, 6, 130, 83},       {Ctl::GB1, 8, 94, 130, 82},
    {Ctl::RB1, 8, 13, 65, 17},      {Ctl::RB2, 8, 29, 65, 17},       {Ctl::RB3, 8, 45, 89, 17},
    {Ctl::RB4, 8, 61, 89, 17},      {Ctl::CB0, 155, 8, 102, 17},     {Ctl::CB6, 155, 36, 107, 17},
    {Ctl::CB2, 155, 64, 46, 17},    {Ctl::CB3, 211, 64, 46, 17},     {Ctl::CB1, 155, 84, 86, 17},
    {Ctl::CB8, 155, 104, 96, 17},   {Ctl::CB5, 155, 123, 105, 17},   {Ctl::CB9, 155, 142, 89, 17},
    {Ctl::CB4, 283, 17, 73, 17},    {Ctl::UD1, 413, 9, 15, 24},      {Ctl::E1, 379, 9, 34, 24},
    {Ctl::UD2, 413, 35, 15, 24},    {Ctl::E2, 396, 35, 17, 24},      {Ctl::UD3, 380, 61, 15, 24},
    {Ctl::E3, 363, 61, 17, 24},     {Ctl::UD4, 413, 61, 15, 24},     {Ctl::E4, 396, 61, 17, 24},
    {Ctl::ComB6, 376, 62, 54, 23},  {Ctl::ComB1, 380, 87, 50, 23},   {Ctl::ComB2, 380, 112, 50, 23},
    {Ctl::ComB3, 380, 137, 50, 23}, {Ctl::ComB4, 336, 62, 94, 23},   {Ctl::DCB1, 8, 190, 130, 18},
    {Ctl::DLB1, 8, 214, 130, 100},  {Ctl::FLB1, 143, 190, 198, 124}, {Ctl::B1, 347, 189, 84, 38},
    {Ctl::B2, 347, 229, 84, 38},    {Ctl::B3, 347, 278, 84, 36},     {Ctl::L1, 8, 176, 423, 9},
    {Ctl::L2, 347, 267, 84, 9},     {Ctl::L3, 155, 24, 110, 7},      {Ctl::L4, 155, 52, 110, 7},
    {Ctl::L5, 144, 6, 2, 171},      {Ctl::L6, 272, 6, 2, 171},       {Ctl::LT5, 283, 46, 66, 12},
    {Ctl::LT4, 283, 72, 68, 12},    {Ctl::LT1, 283, 97, 35, 12},     {Ctl::LT2, 283, 122, 68, 12},
    {Ctl::LT3, 283, 147, 65, 12},   {Ctl::SB1, 0, 321, 438, 19},
};

// Starting states that differ from enabled, shown and unchecked.
struct StartState {
    Ctl control;
    bool enabled;
    bool shown;
    bool checked;
};

constexpr StartState StartStates[] = {
    {Ctl::RB4, true, true, true},      {Ctl::CB4, true, true, true},     {Ctl::CB6, true, true, true},
    {Ctl::CB1, false, true, false},    {Ctl::CB8, false, true, false},   {Ctl::CB9, false, true, false},
    {Ctl::LT2, false, true, false},    {Ctl::LT3, false, true, false},   {Ctl::LT5, false, true, false},
    {Ctl::ComB2, false, true, false},  {Ctl::ComB3, false, true, false}, {Ctl::ComB4, false, false, false},
    {Ctl::ComB6, false, false, false}, {Ctl::E2, false, true, false},    {Ctl::UD2, false, true, false},
    {Ctl::E3, false, true, false},     {Ctl::UD3, false, true, false},
};

// Focus order of the controls that can take the focus. RG1 and GB1 stand for
// their radio items, of which only the checked one is a tab stop.
constexpr Ctl TabOrder[] = {
    Ctl::RG1,   Ctl::GB1,   Ctl::CB0,  Ctl::CB6,  Ctl::CB2,  Ctl::CB3, Ctl::CB1,   Ctl::CB8,   Ctl::CB5,
    Ctl::CB9,   Ctl::CB4,   Ctl::E1,   Ctl::E2,   Ctl::E3,   Ctl::E4,  Ctl::ComB6, Ctl::ComB1, Ctl::ComB2,
    Ctl::ComB3, Ctl::ComB4, Ctl::DCB1, Ctl::DLB1, Ctl::FLB1, Ctl::B1,  Ctl::B2,    Ctl::B3,
};

QFont WindowFont(int pixels, bool bold)
{
    QFont font(QString::fromUtf8(FormTexts::FontFamily));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStretch(FormTexts::FontStretch);
    return font;
}

// Frames drawn the classic way: the line runs through the middle of the
// caption, so the items placed below it keep clear of both.
constexpr const char* GroupFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 0px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px; padding: 0px; }";

void ApplyCaption(QWidget* widget, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
}

void ApplyValueFont(QWidget* widget, const FormTexts::FontRow& row)
{
    widget->setFont(WindowFont(row.pixels, row.boldRed));
    if (!row.boldRed)
        return;
    // Red only while usable: a disabled field greys its text like any other.
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, Qt::red);
    widget->setPalette(palette);
}

template <class Widget, class... Args>
Widget* Make(Controls& ui, Ctl control, Args&&... args)
{
    return ui.adopt(control, new Widget(std::forward<Args>(args)...));
}

} // namespace

void TForm1::buildLayout()
{
    using namespace FormTexts;
    QFont::insertSubstitution(QString::fromUtf8(FontFamily), QString::fromLatin1(FontSubstitute));

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont(WindowFontPixels, false));
    setFixedSize(ClientWidth, ClientHeight);

    QWidget* p1 = Make<QWidget>(ui, Ctl::P1, this);
    makeChoices(p1);
    makeValueFields(p1);
    makeListsAndButtons(p1);
    placeControls();
    applyTexts();
    applyStartStates();
    chainFocus();

    linkLists();
    ui.RG1()->item(ui.RG1()->itemIndex())->setFocus();

    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

// The mode group, the channel group and the check boxes.
void TForm1::makeChoices(QWidget* p1)
{
    QStringList modes;
    for (const char* mode : FormTexts::ModeItems)
        modes.append(QString::fromLatin1(mode));
    Make<RadioGroup>(ui, Ctl::RG1, QString(), modes, 2, p1)->setItemIndex(0);

    auto* channels = Make<QGroupBox>(ui, Ctl::GB1, p1);
    for (Ctl button : {Ctl::RB1, Ctl::RB2, Ctl::RB3, Ctl::RB4})
        tabStopFollowsCheck(Make<QRadioButton>(ui, button, channels));

    for (Ctl box : {Ctl::CB0, Ctl::CB6, Ctl::CB2, Ctl::CB3, Ctl::CB1, Ctl::CB8, Ctl::CB5, Ctl::CB9, Ctl::CB4})
        Make<QCheckBox>(ui, box, p1);
}

// The edit fields with their spin buttons, and the editable combo boxes.
void TForm1::makeValueFields(QWidget* p1)
{
    for (const FormTexts::FieldDefault& row : FormTexts::Fields) {
        auto* spin = Make<UpDown>(ui, row.spin, p1);
        auto* field = Make<QLineEdit>(ui, row.field, p1);
        field->setMaxLength(row.maxLength);
        field->setText(QString::fromLatin1(row.text));
        spin->setRange(row.minimum, row.maximum);
        spin->setBuddy(field);
        spin->setPosition(field->text().toInt());
    }

    for (const FormTexts::ComboDefault& row : FormTexts::Combos) {
        auto* combo = Make<QComboBox>(ui, row.control, p1);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setItemDelegate(new FixedRowDelegate(ComboRowHeight, combo));
        combo->addItems(QString::fromLatin1(row.items).split(QLatin1Char('|')));
        if (row.maxLength > 0)
            combo->lineEdit()->setMaxLength(row.maxLength);
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(row.text)));
        combo->setEditText(QString::fromLatin1(row.text));
    }
}

// The drive, folder and file lists, the buttons, lines, labels and status bar.
void TForm1::makeListsAndButtons(QWidget* p1)
{
    Make<DriveSelector>(ui, Ctl::DCB1, p1);
    Make<FolderList>(ui, Ctl::DLB1, p1);
    Make<FileList>(ui, Ctl::FLB1, p1)->setMask(QString::fromLatin1(FormTexts::EncodeMask));

    // Enter on a focused button presses it, as the window system's buttons do.
    for (Ctl button : {Ctl::B1, Ctl::B2, Ctl::B3})
        Make<QPushButton>(ui, button, p1)->setAutoDefault(true);

    for (Ctl line : {Ctl::L1, Ctl::L2, Ctl::L3, Ctl::L4, Ctl::L5, Ctl::L6})
        Make<QFrame>(ui, line, p1);
    for (Ctl label : {Ctl::LT5, Ctl::LT4, Ctl::LT1, Ctl::LT2, Ctl::LT3})
        Make<QLabel>(ui, label, p1);

    auto* status = Make<QStatusBar>(ui, Ctl::SB1, this);
    status->setSizeGripEnabled(false);
    status->showMessage(Translated("StatusTexts", StatusTexts::LameEncoding));
}

void TForm1::placeControls()
{
    for (const Place& place : Places)
        ui.widget(place.control)->setGeometry(place.left, place.top, place.width, place.height);
    ui.RG1()->arrangeItems();
    for (QGroupBox* frame : {static_cast<QGroupBox*>(ui.RG1()), ui.GB1()})
        frame->setStyleSheet(QString::fromLatin1(GroupFrameStyle));
    for (QFrame* line : {ui.L1(), ui.L2(), ui.L3(), ui.L4(), ui.L5(), ui.L6()}) {
        line->setFrameShape(line->width() >= line->height() ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
    }
}

void TForm1::applyTexts()
{
    using namespace FormTexts;
    for (const Caption& caption : Captions)
        ApplyCaption(ui.widget(caption.control), QString::fromUtf8(caption.text));
    for (const Hint& hint : Hints)
        ui.widget(hint.control)->setToolTip(Translated("FormTexts", hint.text));
    for (const FontRow& row : Fonts)
        ApplyValueFont(ui.widget(row.control), row);
}

void TForm1::applyStartStates()
{
    for (const StartState& state : StartStates) {
        QWidget* widget = ui.widget(state.control);
        widget->setEnabled(state.enabled);
        widget->setHidden(!state.shown);
        if (state.checked)
            qobject_cast<QAbstractButton*>(widget)->setChecked(true);
    }
}

// Focus chain in the window's tab order; the radio items are chained in their
// own order so the selected one stands in its group's place.
void TForm1::chainFocus()
{
    QList<QWidget*> chain;
    for (Ctl control : TabOrder) {
        if (control == Ctl::RG1) {
            for (int i = 0; i < ui.RG1()->count(); ++i)
                chain.append(ui.RG1()->item(i));
        } else if (control == Ctl::GB1) {
            chain.append({ui.RB1(), ui.RB2(), ui.RB3(), ui.RB4()});
        } else {
            chain.append(ui.widget(control));
        }
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void TForm1::linkLists()
{
    connect(ui.DLB1(), &FolderList::directoryChanged, ui.FLB1(), &FileList::setDirectory);
    connect(ui.DLB1(), &FolderList::directoryChanged, ui.DCB1(), &DriveSelector::noteFolder);
    connect(ui.DCB1(), &DriveSelector::folderRequested, ui.DLB1(), &FolderList::setDirectory);
    ui.DLB1()->setDirectory(QDir::currentPath());
}

} // namespace marulo
