#pragma once

#include "core/CommandBuilder.h"
#include "core/RunPolicy.h"
#include "launcher/RunLog.h"
#include "ui/window/Controls.h"

#include <QString>
#include <QWidget>

#include <string_view>

class QKeyEvent;
class QShortcut;

namespace marulo {

class ConversionJob;
namespace test {
class Harness;
}

// The one main window. Its rules are member functions named after control and
// event; they are defined in several files, one concept each:
//   window/TForm1.cpp     construction, activation, close handling
//   window/FormLayout.cpp the controls, their places, texts and defaults
//   rules/ModeRules.cpp … the click and key rules of the window
//   window/ConversionRules.cpp "Single Encode" and "ALL Encode"
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The status bar's one simple text, as the window's rules write it.
    void setStatusText(const QString& text);
    QString statusText() const;
    // A text the window's rules do not write (a run's report, the Exit notice
    // during a run): shown like theirs, and at the next press of a conversion
    // button it gives way to the text the rules wrote last.
    void showNotice(const QString& text);

    // Start-up check, at the first activation: captures the tool folder.
    void FormActivate();
    QString toolFolder() const { return ToolFolder; }
    QString toolFolderRoot() const { return ToolFolderRoot; }

    // Click rules.
    void RG1Click();
    void CB0Click();
    void CB2Click();
    void CB3Click();
    void CB4Click();
    void CB8Click();
    void CB9Click();
    void RB1Click();
    void RB2Click();
    void RB3Click();
    void RB4Click();
    void B1Click();
    void B2Click();
    void B3Click();

    // Key rules: return true when the key was consumed.
    bool ComB1KeyPress(QWidget* control, QKeyEvent* event);
    bool E1KeyPress(QKeyEvent* event);
    bool E2KeyPress(QKeyEvent* event);
    bool ComB6KeyPress(QKeyEvent* event);

    bool conversionRunning() const { return conversionRunning_; }
    // Esc during a run: stops every running converter and starts nothing more.
    void stopConversion();

    // Every converter step of the session; the log window reads it.
    RunLog& runLog() { return runLog_; }

    // The policy the next press runs with; a run keeps the one of its press.
    RunPolicy runPolicy() const { return runPolicy_; }
    void setRunPolicy(const RunPolicy& policy) { runPolicy_ = policy; }

    // A later start of the program asked for this window: restore it if
    // minimised, show it and bring it to the front.
    void bringForward();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window harness of the tests points the tool folder at a folder of its own.
    friend class test::Harness;

    void buildLayout();   // FormLayout.cpp, in these steps:
    void makeChoices(QWidget* p1);
    void makeValueFields(QWidget* p1);
    void makeListsAndButtons(QWidget* p1);
    void placeControls();
    void applyTexts();
    void applyStartStates();
    void chainFocus();
    void linkLists();     // FormLayout.cpp: drive, folder and file lists
    void connectRules();  // TForm1.cpp
    void forwardKeys();   // TForm1.cpp: which key rule each control has
    void runConversion(void (ConversionJob::*press)()); // ConversionRules.cpp
    void makeStopKey();                                  // ConversionRules.cpp
    // Whether a converter of that name stands in the tool folder captured at activation.
    bool ConverterPresent(std::string_view fileName) const;

    Controls ui;
    // The folder the converters are looked for in, and its root; captured at
    // the first activation.
    QString ToolFolder;
    QString ToolFolderRoot;
    bool activatedOnce_ = false;
    bool conversionRunning_ = false;
    bool closeRequested_ = false;
    // The last text the window's rules wrote, and whether a notice hides it.
    QString designedText_;
    bool noticeShowing_ = false;
    ConversionJob* runningJob_ = nullptr;
    QShortcut* stopKey_ = nullptr;
    RunLog runLog_;
    // The options of the last press: a press in mode WAV builds no encoder
    // prefix and keeps the one before.
    EncoderOptions heldOptions_;
    RunPolicy runPolicy_;
};

} // namespace marulo
