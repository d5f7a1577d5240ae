#pragma once

#include "ui/window/TForm1.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAbstractButton;

namespace marulo::test {

// The converters a row finds in the tool folder: all as files, none, or all as
// folders of the converters' names.
enum class Tools { All, None, Folders };

// A fresh, shown and active main window whose tool folder is a temporary
// folder, reached only through the controls' names.
class Harness {
public:
    explicit Harness(Tools tools = Tools::All);
    ~Harness();

    marulo::TForm1& form() { return *form_; }
    QString toolFolder() const { return tools_.path(); }
    bool active() const { return active_; }

    QWidget* widget(const QString& name) const;
    template <class T>
    T* get(const QString& name) const
    {
        return qobject_cast<T*>(widget(name));
    }

    // Steps separated by ';': a mode name ("MP3" .. "WAV") clicks that item of
    // RG1; a control name clicks that check box or radio button. Returns the
    // first step it could not carry out, empty when all ran.
    QString run(const QString& steps);
    void click(QAbstractButton* button);

    // The states of the tracked controls, in the tracked order, as names
    // separated by one blank.
    QString enabledSet() const;
    QString checkedSet() const;
    QString shownSet() const;

    QString status() const { return form_->statusText(); }

private:
    QTemporaryDir tools_;
    std::unique_ptr<marulo::TForm1> form_;
    bool active_ = false;
};

// Names of the controls whose enabled, checked and shown states are compared.
const QStringList& EnabledTracked();
const QStringList& CheckedTracked();
const QStringList& ShownTracked();

// An expected list in the tracked order; names outside the order are kept at
// the end so that a typo shows up in the comparison.
QString Canonical(const QString& names, const QStringList& order);

// The expected enabled set: the named controls plus the drive, folder and
// file lists and the three buttons, which no rule ever disables.
QString EnabledWithFixed(const QString& names);

} // namespace marulo::test

namespace marulo::test {

// Compares the three state sets of the window with the expected names; call
// from a test function and return when QTest::currentTestFailed().
void CompareStates(const Harness& window, const QString& enabled, const QString& checked, const QString& shown);

} // namespace marulo::test
