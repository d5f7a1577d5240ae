#include "ui/DriveSelector.h"
#include "ui/FixedRowDelegate.h"
#include "ui/FileList.h"
#include "ui/FolderList.h"
#include "ui/FormTexts.h"
#include "ui/RadioGroup.h"
#include "ui/StatusTexts.h"
#include "ui/TForm1.h"
#include "ui/UpDown.h"

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
    const char* control;
    int left, top, width, height;
};

// Positions at 96 dpi, relative to the parent's client area.
constexpr Place Places[] = {
    {"P1", 0, 0, 438, 321},      {"RG1", 8, 6, 130, 83},      {"GB1", 8, 94, 130, 82},
    {"RB1", 8, 13, 65, 17},      {"RB2", 8, 29, 65, 17},      {"RB3", 8, 45, 89, 17},
    {"RB4", 8, 61, 89, 17},      {"CB0", 155, 8, 102, 17},    {"CB6", 155, 36, 107, 17},
    {"CB2", 155, 64, 46, 17},    {"CB3", 211, 64, 46, 17},    {"CB1", 155, 84, 86, 17},
    {"CB8", 155, 104, 96, 17},   {"CB5", 155, 123, 105, 17},  {"CB9", 155, 142, 89, 17},
    {"CB4", 283, 17, 73, 17},    {"UD1", 413, 9, 15, 24},     {"E1", 379, 9, 34, 24},
    {"UD2", 413, 35, 15, 24},    {"E2", 396, 35, 17, 24},     {"UD3", 380, 61, 15, 24},
    {"E3", 363, 61, 17, 24},     {"UD4", 413, 61, 15, 24},    {"E4", 396, 61, 17, 24},
    {"ComB6", 376, 62, 54, 23},  {"ComB1", 380, 87, 50, 23},  {"ComB2", 380, 112, 50, 23},
    {"ComB3", 380, 137, 50, 23}, {"ComB4", 336, 62, 94, 23},  {"DCB1", 8, 190, 130, 18},
    {"DLB1", 8, 214, 130, 100},  {"FLB1", 143, 190, 198, 124}, {"B1", 347, 189, 84, 38},
    {"B2", 347, 229, 84, 38},    {"B3", 347, 278, 84, 36},    {"L1", 8, 176, 423, 9},
    {"L2", 347, 267, 84, 9},     {"L3", 155, 24, 110, 7},     {"L4", 155, 52, 110, 7},
    {"L5", 144, 6, 2, 171},      {"L6", 272, 6, 2, 171},      {"LT5", 283, 46, 66, 12},
    {"LT4", 283, 72, 68, 12},    {"LT1", 283, 97, 35, 12},    {"LT2", 283, 122, 68, 12},
    {"LT3", 283, 147, 65, 12},   {"SB1", 0, 321, 438, 19},
};

// Starting states that differ from enabled, shown and unchecked.
struct StartState {
    const char* control;
    bool enabled;
    bool shown;
    bool checked;
};

constexpr StartState StartStates[] = {
    {"RB4", true, true, true},    {"CB4", true, true, true},     {"CB6", true, true, true},
    {"CB1", false, true, false},  {"CB8", false, true, false},   {"CB9", false, true, false},
    {"LT2", false, true, false},  {"LT3", false, true, false},   {"LT5", false, true, false},
    {"ComB2", false, true, false}, {"ComB3", false, true, false}, {"ComB4", false, false, false},
    {"ComB6", false, false, false}, {"E2", false, true, false},  {"UD2", false, true, false},
    {"E3", false, true, false},   {"UD3", false, true, false},
};

// Focus order of the controls that can take the focus. RG1 and GB1 stand for
// their radio items, of which only the checked one is a tab stop.
constexpr const char* TabOrder[] = {
    "RG1",   "GB1",   "CB0",   "CB6",   "CB2",   "CB3",  "CB1",  "CB8",  "CB5", "CB9", "CB4", "E1", "E2", "E3", "E4",
    "ComB6", "ComB1", "ComB2", "ComB3", "ComB4", "DCB1", "DLB1", "FLB1", "B1",  "B2",  "B3",
};

template <class Widget, class... Args>
Widget* make(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFont designFont(int pixels, bool bold) {
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

void applyCaption(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
}

void applyValueFont(QWidget* widget, const FormTexts::FontRow& row) {
    widget->setFont(designFont(row.pixels, row.boldRed));
    if (!row.boldRed)
        return;
    // Red only while usable: a disabled field greys its text like any other.
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, Qt::red);
    widget->setPalette(palette);
}

} // namespace

void TForm1::buildLayout() {
    using namespace FormTexts;
    QFont::insertSubstitution(QString::fromUtf8(FontFamily), QString::fromLatin1(FontSubstitute));

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(designFont(WindowFontPixels, false));
    setFixedSize(ClientWidth, ClientHeight);

    QWidget* p1 = ui.P1 = make<QWidget>("P1", this);
    QStringList modes;
    for (const char* mode : ModeItems)
        modes.append(QString::fromLatin1(mode));
    ui.RG1 = make<RadioGroup>("RG1", QString(), modes, 2, p1);
    ui.RG1->setItemIndex(0);

    ui.GB1 = make<QGroupBox>("GB1", p1);
    ui.RB1 = make<QRadioButton>("RB1", ui.GB1);
    ui.RB2 = make<QRadioButton>("RB2", ui.GB1);
    ui.RB3 = make<QRadioButton>("RB3", ui.GB1);
    ui.RB4 = make<QRadioButton>("RB4", ui.GB1);
    for (QRadioButton* button : {ui.RB1, ui.RB2, ui.RB3, ui.RB4})
        tabStopFollowsCheck(button);

    ui.CB0 = make<QCheckBox>("CB0", p1);
    ui.CB6 = make<QCheckBox>("CB6", p1);
    ui.CB2 = make<QCheckBox>("CB2", p1);
    ui.CB3 = make<QCheckBox>("CB3", p1);
    ui.CB1 = make<QCheckBox>("CB1", p1);
    ui.CB8 = make<QCheckBox>("CB8", p1);
    ui.CB5 = make<QCheckBox>("CB5", p1);
    ui.CB9 = make<QCheckBox>("CB9", p1);
    ui.CB4 = make<QCheckBox>("CB4", p1);

    QLineEdit** fields[] = {&ui.E1, &ui.E2, &ui.E3, &ui.E4};
    UpDown** spins[] = {&ui.UD1, &ui.UD2, &ui.UD3, &ui.UD4};
    for (std::size_t i = 0; i < std::size(Fields); ++i) {
        const FieldDefault& row = Fields[i];
        UpDown* spin = *spins[i] = make<UpDown>(row.spin, p1);
        QLineEdit* field = *fields[i] = make<QLineEdit>(row.field, p1);
        field->setMaxLength(row.maxLength);
        field->setText(QString::fromLatin1(row.text));
        spin->setRange(row.minimum, row.maximum);
        spin->setBuddy(field);
        spin->setPosition(field->text().toInt());
    }

    QComboBox** combos[] = {&ui.ComB1, &ui.ComB2, &ui.ComB3, &ui.ComB4, &ui.ComB6};
    for (std::size_t i = 0; i < std::size(Combos); ++i) {
        const ComboDefault& row = Combos[i];
        QComboBox* combo = *combos[i] = make<QComboBox>(row.control, p1);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setItemDelegate(new FixedRowDelegate(ComboRowHeight, combo));
        combo->addItems(QString::fromLatin1(row.items).split(QLatin1Char('|')));
        if (row.maxLength > 0)
            combo->lineEdit()->setMaxLength(row.maxLength);
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(row.text)));
        combo->setEditText(QString::fromLatin1(row.text));
    }

    ui.DCB1 = make<DriveSelector>("DCB1", p1);
    ui.DLB1 = make<FolderList>("DLB1", p1);
    ui.FLB1 = make<FileList>("FLB1", p1);
    ui.FLB1->setMask(QString::fromLatin1(FileMask));

    ui.B1 = make<QPushButton>("B1", p1);
    ui.B2 = make<QPushButton>("B2", p1);
    ui.B3 = make<QPushButton>("B3", p1);
    // Enter on a focused button presses it, as the window system's buttons do.
    for (QPushButton* button : {ui.B1, ui.B2, ui.B3})
        button->setAutoDefault(true);

    QFrame** lines[] = {&ui.L1, &ui.L2, &ui.L3, &ui.L4, &ui.L5, &ui.L6};
    for (std::size_t i = 0; i < std::size(lines); ++i)
        *lines[i] = make<QFrame>(QStringLiteral("L%1").arg(i + 1).toLatin1().constData(), p1);

    ui.LT5 = make<QLabel>("LT5", p1);
    ui.LT4 = make<QLabel>("LT4", p1);
    ui.LT1 = make<QLabel>("LT1", p1);
    ui.LT2 = make<QLabel>("LT2", p1);
    ui.LT3 = make<QLabel>("LT3", p1);

    ui.SB1 = make<QStatusBar>("SB1", this);
    ui.SB1->setSizeGripEnabled(false);
    ui.SB1->showMessage(QString::fromUtf8(StatusTexts::LameEncoding));

    for (const Place& place : Places)
        findChild<QWidget*>(QLatin1String(place.control))->setGeometry(place.left, place.top, place.width, place.height);
    ui.RG1->arrangeItems();
    for (QGroupBox* frame : {static_cast<QGroupBox*>(ui.RG1), ui.GB1})
        frame->setStyleSheet(QString::fromLatin1(GroupFrameStyle));
    for (QFrame* line : {ui.L1, ui.L2, ui.L3, ui.L4, ui.L5, ui.L6}) {
        line->setFrameShape(line->width() >= line->height() ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
    }

    for (const Caption& caption : Captions)
        applyCaption(findChild<QWidget*>(QLatin1String(caption.control)), QString::fromUtf8(caption.text));
    for (const Hint& hint : Hints)
        findChild<QWidget*>(QLatin1String(hint.control))->setToolTip(QString::fromUtf8(hint.text));
    for (const FontRow& row : Fonts)
        applyValueFont(findChild<QWidget*>(QLatin1String(row.control)), row);

    for (const StartState& state : StartStates) {
        auto* widget = findChild<QWidget*>(QLatin1String(state.control));
        widget->setEnabled(state.enabled);
        widget->setHidden(!state.shown);
        if (state.checked)
            qobject_cast<QAbstractButton*>(widget)->setChecked(true);
    }

    // Focus chain in the window's tab order; the radio items are chained in
    // their own order so the selected one stands in its group's place.
    QList<QWidget*> chain;
    for (const char* name : TabOrder) {
        const QLatin1String control(name);
        if (control == QLatin1String("RG1")) {
            for (int i = 0; i < ui.RG1->count(); ++i)
                chain.append(ui.RG1->item(i));
        } else if (control == QLatin1String("GB1")) {
            chain.append({ui.RB1, ui.RB2, ui.RB3, ui.RB4});
        } else {
            chain.append(findChild<QWidget*>(control));
        }
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));

    linkLists();
    ui.RG1->item(ui.RG1->itemIndex())->setFocus();

    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

void TForm1::linkLists() {
    connect(ui.DLB1, &FolderList::directoryChanged, ui.FLB1, &FileList::setDirectory);
    connect(ui.DLB1, &FolderList::directoryChanged, ui.DCB1, &DriveSelector::noteFolder);
    connect(ui.DCB1, &DriveSelector::folderRequested, ui.DLB1, &FolderList::setDirectory);
    ui.DLB1->setDirectory(QDir::currentPath());
}

} // namespace marulo
