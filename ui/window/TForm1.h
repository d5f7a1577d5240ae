#pragma once

#include "core/CommandBuilder.h"
#include "core/RunPolicy.h"
#include "launcher/RunLog.h"
#include "launcher/UserSettings.h"
#include "ui/controls/Controls.h"
#include "ui/window/OpenLocation.h"

#include <QString>
#include <QWidget>

#include <string_view>

class QKeyEvent;
class QListWidget;
class QShortcut;

namespace marulo {

class ConversionJob;
class PathEntry;
class LogWindow;
namespace test {
class Harness;
}

// The one main window. Its rules are member functions named after control and
// event; they are defined in several files, one concept each:
//   window/TForm1.cpp     construction, activation, close handling
//   window/FormLayout.cpp the controls, their places, texts and defaults
//   window/FormRules.cpp  the click and key rules, handed to ui/rules
//   window/ConversionRules.cpp "Single Encode" and "ALL Encode"
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The status bar's one simple text.
    void setStatusText(const QString& text);
    QString statusText() const;

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

    // The policy the next press runs with; a run keeps the one of its press.
    RunPolicy runPolicy() const { return runPolicy_; }
    void setRunPolicy(const RunPolicy& policy) { runPolicy_ = policy; }

    // SettingsRules.cpp: the user's settings file, read at construction.
    const UserSettings& settings() const { return settings_; }
    void openSettings(); // the dialog; OK with a change applies and writes the file
    // Every converter step of the session; the log window shows it.
    RunLog& runLog();
    // Opens the log window, or brings it forward when it is open already. A
    // double-click on the status bar and Ctrl+Shift+L do the same.
    void showRunLog();

    // A later start of the program asked for this window: restore it if
    // minimised, show it and bring it to the front.
    void bringForward();

    // Opens a folder, or a file's folder selecting the file when the list
    // shows it, as a double click in the folder list would (OpenLocation.cpp).
    OpenResult openLocation(const QString& path);
    // The status text that reports a file not shown or a path not opened;
    // empty for the others (LocationRules.cpp).
    static QString noticeText(OpenResult outcome, const QString& path);
    // Shows that text as a notice about a location: a folder opened since
    // (by any way) withdraws it, since it no longer says what the window shows.
    void showLocationNotice(OpenResult outcome, const QString& path);

    // A status text none of the window's rules writes (a path that could not
    // be opened; a run's report; the Exit notice during a run). It gives way
    // at the next press of a conversion button to the text the rules wrote last.
    void showNotice(const QString& text);
    void withdrawNotice();

    // True once the first activation has captured the tool folder.
    bool startUpChecked() const { return activatedOnce_; }

signals:
    // After the first activation's converter check.
    void startUpCheckDone();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window harness of the tests points the tool folder at a folder of its own.
    friend class test::Harness;

    void buildLayout(); // FormLayout.cpp, in these steps:
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
    void startSettings(); // SettingsRules.cpp: read the file, shortcut and menu
    void applySettings(const UserSettings& chosen);
    void showFreeAreaMenu(const QPoint& position);
    void rememberFolderAtExit();
    // Right after the start-up check has captured the tool folder, so a window
    // made by any program that links this library starts where the user left.
    void openRememberedFolder();
    void startQuickOpen(); // QuickOpen.cpp: drops, path field, results folder, list menus
    void openTypedPath(const QString& path);
    void withdrawLocationNotice(); // LocationRules.cpp
    QString resultsFolder() const;
    void openResultsFolder();
    void showInFileManager(const QString& folder);
    void showListMenu(QListWidget* list, const QPoint& position);
    void openLogOnRequest();                            // TForm1.cpp: status bar double-click, Ctrl+Shift+L
    void runConversion(void (ConversionJob::*press)()); // ConversionRules.cpp
    void makeStopKey();                                 // ConversionRules.cpp
    // Whether a converter of that name stands in the tool folder captured at activation.
    bool ConverterPresent(std::string_view fileName) const;

    Controls ui;
    // The folder the converters are looked for in, and its root; captured at
    // the first activation.
    QString ToolFolder;
    QString ToolFolderRoot;
    bool activatedOnce_ = false;
    // The notice in the status bar, and the text it covers.
    QString notice_;
    QString textUnderNotice_;
    bool locationNotice_ = false; // the notice is about a location that could not be opened as asked
    bool conversionRunning_ = false;
    bool closeRequested_ = false;
    ConversionJob* runningJob_ = nullptr; // while a press runs
    QShortcut* stopKey_ = nullptr;        // Esc, enabled while a press runs
    // The options of the last press, outside the job of one press: a press in
    // mode WAV builds no encoder prefix and keeps the one before.
    EncoderOptions heldOptions_;
    RunPolicy runPolicy_;
    UserSettings settings_;
    QString settingsPath_;
    PathEntry* pathEntry_ = nullptr;
    RunLog runLog_;
    LogWindow* logWindow_ = nullptr; // made at its first opening
};

} // namespace marulo
