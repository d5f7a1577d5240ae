#include "ui/window/TForm1.h"

#include "core/ConverterTable.h"
#include "core/ToolPath.h"
#include "launcher/ToolLauncher.h"
#include "launcher/Translation.h"
#include "ui/log/LogWindow.h"
#include "ui/texts/RunTexts.h"
#include "ui/texts/StatusTexts.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>

#include <string>

namespace marulo {

namespace {

enum class KeyRule { Shared, E1, E2, ComB6 };

struct KeyBinding {
    Ctl control;
    KeyRule rule;
};

// Which key rule each control runs; controls not listed keep their own keys.
constexpr KeyBinding KeyBindings[] = {
    {Ctl::CB0, KeyRule::Shared},   {Ctl::CB1, KeyRule::Shared},   {Ctl::CB2, KeyRule::Shared},
    {Ctl::CB3, KeyRule::Shared},   {Ctl::CB4, KeyRule::Shared},   {Ctl::CB5, KeyRule::Shared},
    {Ctl::CB6, KeyRule::Shared},   {Ctl::CB8, KeyRule::Shared},   {Ctl::CB9, KeyRule::Shared},
    {Ctl::ComB1, KeyRule::Shared}, {Ctl::ComB2, KeyRule::Shared}, {Ctl::ComB3, KeyRule::Shared},
    {Ctl::ComB4, KeyRule::Shared}, {Ctl::E3, KeyRule::Shared},    {Ctl::E4, KeyRule::Shared},
    {Ctl::DCB1, KeyRule::Shared},  {Ctl::DLB1, KeyRule::Shared},  {Ctl::FLB1, KeyRule::Shared},
    {Ctl::E1, KeyRule::E1},        {Ctl::E2, KeyRule::E2},        {Ctl::ComB6, KeyRule::ComB6},
};

const KeyBinding* bindingOf(const Controls& ui, const QObject* control)
{
    for (const KeyBinding& binding : KeyBindings) {
        if (ui.widget(binding.control) == control)
            return &binding;
    }
    return nullptr;
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    buildLayout();
    connectRules();
    forwardKeys();
    startSettings();
    startQuickOpen();
    makeStopKey();
    openLogOnRequest();
}

TForm1::~TForm1() = default;

RunLog& TForm1::runLog()
{
    return runLog_;
}

void TForm1::showRunLog()
{
    if (!logWindow_)
        logWindow_ = new LogWindow(runLog_, this, [this] {
            const bool running = runningJob_ != nullptr;
            stopConversion();
            return running;
        });
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

// Inputs the window leaves unused otherwise: the status bar shows the same
// text after the double-click as before it.
void TForm1::openLogOnRequest()
{
    ui.SB1()->installEventFilter(this);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::showRunLog);
}

void TForm1::setStatusText(const QString& text)
{
    ui.SB1()->showMessage(text);
}

QString TForm1::statusText() const
{
    return ui.SB1()->currentMessage();
}

void TForm1::FormActivate()
{
    ToolFolder = ui.DLB1()->directory();
    ToolFolderRoot = QString::fromStdString(::marulo::ToolFolderRoot(toUtf8(ToolFolder)));
    if (!ConverterPresent(NormalizerExecutable)) {
        setStatusText(Translated("StatusTexts", StatusTexts::NormalizeNotFound));
        return;
    }
    if (!ConverterPresent(ConverterOf(EncodeMode::Mp3).checkedFile)) {
        setStatusText(Translated("StatusTexts", StatusTexts::LameNotFound));
        return;
    }
    setStatusText(Translated("StatusTexts", StatusTexts::LameEncoding));
}

bool TForm1::ConverterPresent(std::string_view fileName) const
{
    // Any entry of that name in the tool folder counts, as always; and so
    // does a converter the launcher would find and run (beside the program,
    // in the installed converter folder, on the search path), since a
    // started-from-anywhere program must not call it missing.
    return ToolIsPresent(ToolPath(toUtf8(ToolFolder), fileName)) ||
           !ToolLauncher::Locate(QString::fromUtf8(fileName.data(), qsizetype(fileName.size())), ToolFolder).isEmpty();
}

void TForm1::bringForward()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool TForm1::event(QEvent* event)
{
    // Focus coming back from another program or from a message box is not a
    // new start: the tool check belongs to the first activation only.
    if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        const bool handled = QWidget::event(event);
        FormActivate();
        emit startUpCheckDone();
        return handled;
    }
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A conversion in progress owns the rest of the program's life: the close
    // is noted and carried out when the conversion has finished.
    // The user is told at once, since nothing else would show that the
    // click was taken, and how to end it sooner.
    if (conversionRunning_) {
        closeRequested_ = true;
        showNotice(Translated("RunTexts", RunTexts::CloseAfterRun));
        event->ignore();
        return;
    }
    rememberFolderAtExit();
    event->accept();
    if (logWindow_)
        logWindow_->close();
}

void TForm1::connectRules()
{
    connect(ui.RG1(), &RadioGroup::selectionChanged, this, [this] { RG1Click(); });

    const std::pair<QCheckBox*, void (TForm1::*)()> checkRules[] = {
        {ui.CB0(), &TForm1::CB0Click}, {ui.CB2(), &TForm1::CB2Click}, {ui.CB3(), &TForm1::CB3Click},
        {ui.CB4(), &TForm1::CB4Click}, {ui.CB8(), &TForm1::CB8Click}, {ui.CB9(), &TForm1::CB9Click},
    };
    for (const auto& [box, rule] : checkRules)
        connect(box, &QCheckBox::toggled, this, [this, rule = rule] { (this->*rule)(); });

    // A radio button runs its rule when it becomes checked, never when unchecked.
    const std::pair<QRadioButton*, void (TForm1::*)()> radioRules[] = {
        {ui.RB1(), &TForm1::RB1Click},
        {ui.RB2(), &TForm1::RB2Click},
        {ui.RB3(), &TForm1::RB3Click},
        {ui.RB4(), &TForm1::RB4Click},
    };
    for (const auto& [button, rule] : radioRules) {
        connect(button, &QRadioButton::toggled, this, [this, rule = rule](bool checked) {
            if (checked)
                (this->*rule)();
        });
    }

    connect(ui.B1(), &QPushButton::clicked, this, [this] { B1Click(); });
    connect(ui.B2(), &QPushButton::clicked, this, [this] { B2Click(); });
    connect(ui.B3(), &QPushButton::clicked, this, [this] { B3Click(); });
}

void TForm1::forwardKeys()
{
    for (const KeyBinding& binding : KeyBindings) {
        QWidget* control = ui.widget(binding.control);
        control->installEventFilter(this);
        // An editable combo box passes keys on to its line edit; watching the
        // line edit too makes sure Enter meets the rule before the edit acts.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->installEventFilter(this);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.SB1() && event->type() == QEvent::MouseButtonDblClick) {
        showRunLog();
        return true;
    }
    if (!isEnter(event))
        return QWidget::eventFilter(watched, event);
    auto* control = qobject_cast<QWidget*>(watched);
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget()))
            control = combo;
    const KeyBinding* binding = control ? bindingOf(ui, control) : nullptr;
    if (!binding)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (binding->rule) {
    case KeyRule::Shared:
        return ComB1KeyPress(control, key);
    case KeyRule::E1:
        return E1KeyPress(key);
    case KeyRule::E2:
        return E2KeyPress(key);
    case KeyRule::ComB6:
        return ComB6KeyPress(key);
    }
    return false;
}

} // namespace marulo
