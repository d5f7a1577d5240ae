// Enter in the fields, lists and check boxes: the limits of E1, E2 and ComB6,
// the error box for a text that is no number, and the way the focus takes.
#include "tests/support/WindowHarness.h"

#include "ui/widgets/FolderList.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace marulo::test;

namespace {

// Types the text into the field as a user would, character by character.
void Type(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->clearEditText();
    QTest::keyClicks(field, text);
}

QString TextOf(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return {};
}

bool Focus(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 2000);
}

// Runs the steps in the fresh window and puts the focus in the named control,
// which it returns; call from a test function and return when
// QTest::currentTestFailed().
QWidget* FocusAfter(Harness& window, const QString& steps, const QString& name)
{
    QWidget* control = nullptr;
    [&] {
        QVERIFY(window.active());
        QCOMPARE(window.run(steps), QString());
        control = window.widget(name);
        QVERIFY(Focus(control));
    }();
    return control;
}

} // namespace

class KeyRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void limits_data();
    void limits();
    void notANumber_data();
    void notANumber();
    void focusPath_data();
    void focusPath();
    void wrapsRound();
    void folderListDoesNotOpen();
};

void KeyRulesTest::limits_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("next");

    // E1, MP3 with constant bitrate: E2 and E3 are disabled, so E4 is next.
    QTest::newRow("E1 150") << "" << "E1" << "150" << "100" << "E4";
    QTest::newRow("E1 101") << "" << "E1" << "101" << "100" << "E4";
    QTest::newRow("E1 100") << "" << "E1" << "100" << "100" << "E4";
    QTest::newRow("E1 -5") << "" << "E1" << "-5" << "0" << "E4";
    QTest::newRow("E1 -.5") << "" << "E1" << "-.5" << "0" << "E4";
    QTest::newRow("E1 -0") << "" << "E1" << "-0" << "-0" << "E4";
    QTest::newRow("E1 0") << "" << "E1" << "0" << "0" << "E4";
    QTest::newRow("E1 1.5") << "" << "E1" << "1.5" << "1.5" << "E4";
    QTest::newRow("E1 +50") << "" << "E1" << "+50" << "+50" << "E4";
    QTest::newRow("E1 99.") << "" << "E1" << "99." << "99." << "E4";
    QTest::newRow("E1, VBR: E3 next") << "CB2" << "E1" << "75" << "75" << "E3";
    QTest::newRow("E1, FLAC: E2 next") << "FLAC" << "E1" << "200" << "100" << "E2";
    // E2 in FLAC: nothing enabled and shown between it and the drive selector.
    QTest::newRow("E2 9") << "FLAC" << "E2" << "9" << "8" << "DCB1";
    QTest::newRow("E2 8") << "FLAC" << "E2" << "8" << "8" << "DCB1";
    QTest::newRow("E2 0") << "FLAC" << "E2" << "0" << "0" << "DCB1";
    // ComB6 in OGG with VBR: the bitrate boxes are disabled.
    QTest::newRow("ComB6 11") << "OGG;CB2" << "ComB6" << "11" << "10" << "DCB1";
    QTest::newRow("ComB6 10.5") << "OGG;CB2" << "ComB6" << "10.5" << "10" << "DCB1";
    QTest::newRow("ComB6 10") << "OGG;CB2" << "ComB6" << "10" << "10" << "DCB1";
    QTest::newRow("ComB6 4.50") << "OGG;CB2" << "ComB6" << "4.50" << "4.50" << "DCB1";
    QTest::newRow("ComB6 -1") << "OGG;CB2" << "ComB6" << "-1" << "-1" << "DCB1";
    QTest::newRow("ComB6 +9.9") << "OGG;CB2" << "ComB6" << "+9.9" << "+9.9" << "DCB1";
    // clang-format on
}

void KeyRulesTest::limits()
{
    QFETCH(QString, steps);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(QString, next);

    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        Harness window;
        QWidget* input = FocusAfter(window, steps, field);
        if (QTest::currentTestFailed())
            return;
        Type(input, typed);
        QCOMPARE(TextOf(input), typed);
        const int items = qobject_cast<QComboBox*>(input) ? qobject_cast<QComboBox*>(input)->count() : 0;
        QTest::keyClick(input, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(TextOf(input), result);
        QCOMPARE(QApplication::focusWidget(), window.widget(next));
        QVERIFY(!window.form().findChild<QMessageBox*>());
        // The Enter was swallowed: an editable combo box adds no item of its own.
        if (auto* combo = qobject_cast<QComboBox*>(input))
            QCOMPARE(combo->count(), items);
    }
}

void KeyRulesTest::notANumber_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");

    QTest::newRow("E1 empty") << "" << "E1" << "";
    QTest::newRow("E1 letters") << "" << "E1" << "abc";
    QTest::newRow("E1 lone sign") << "" << "E1" << "-";
    QTest::newRow("E1 two points") << "" << "E1" << "1..";
    QTest::newRow("E2 lone sign") << "FLAC" << "E2" << "-";
    QTest::newRow("E2 letter") << "FLAC" << "E2" << "x";
    QTest::newRow("ComB6 empty") << "OGG;CB2" << "ComB6" << "";
    QTest::newRow("ComB6 words") << "OGG;CB2" << "ComB6" << "high";
    // clang-format on
}

// A message box with the application title and an error icon; it does not
// block; the text stays as typed and the focus stays in the field.
void KeyRulesTest::notANumber()
{
    QFETCH(QString, steps);
    QFETCH(QString, field);
    QFETCH(QString, typed);

    Harness window;
    QWidget* input = FocusAfter(window, steps, field);
    if (QTest::currentTestFailed())
        return;
    Type(input, typed);
    const QString kept = TextOf(input);
    // Should the rule wait on the box, this closes it and the test fails
    // instead of hanging.
    bool closedByGuard = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&closedByGuard] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            closedByGuard = true;
            modal->close();
        }
    });
    guard.start(3000);
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(!closedByGuard);
    guard.stop();

    QTRY_VERIFY(window.form().findChild<QMessageBox*>());
    const QList<QMessageBox*> boxes = window.form().findChildren<QMessageBox*>();
    QCOMPARE(boxes.size(), 1);
    QMessageBox* box = boxes.first();
    QCOMPARE(box->windowTitle(), QString("Marulo Ver 1.3a"));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(TextOf(input), kept);

    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!window.form().findChild<QMessageBox*>());
    QCOMPARE(window.form().focusWidget(), input);
    window.form().activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), input);
    QCOMPARE(TextOf(input), kept);
}

void KeyRulesTest::focusPath_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("next");

    QTest::newRow("FLB1 to Single Encode") << "" << "FLB1" << "B1";
    QTest::newRow("CB0 to CB6") << "" << "CB0" << "CB6";
    QTest::newRow("CB6 to CB2") << "" << "CB6" << "CB2";
    QTest::newRow("CB3 skips CB1 and CB8") << "" << "CB3" << "CB5";
    QTest::newRow("CB5 skips CB9") << "" << "CB5" << "CB4";
    QTest::newRow("CB4 skips the spin button") << "" << "CB4" << "E1";
    QTest::newRow("E4 skips hidden ComB6") << "" << "E4" << "ComB1";
    QTest::newRow("ComB1 skips ComB2, ComB3, ComB4") << "" << "ComB1" << "DCB1";
    QTest::newRow("DCB1 to DLB1") << "" << "DCB1" << "DLB1";
    QTest::newRow("DLB1 to FLB1") << "" << "DLB1" << "FLB1";
    QTest::newRow("MP3 VBR, E3 to E4") << "CB2" << "E3" << "E4";
    QTest::newRow("MP3 ABR, ComB2 to ComB3") << "CB3" << "ComB2" << "ComB3";
    QTest::newRow("MP3 VBR, CB1 to CB8") << "CB2" << "CB1" << "CB8";
    QTest::newRow("OGG, CB9 to CB4") << "OGG" << "CB9" << "CB4";
    QTest::newRow("AAC VBR, E1 to ComB4") << "AAC;CB2" << "E1" << "ComB4";
    QTest::newRow("AAC VBR, ComB4 to DCB1") << "AAC;CB2" << "ComB4" << "DCB1";
    QTest::newRow("decoding, CB0 to DCB1") << "CB0" << "CB0" << "DCB1";
    QTest::newRow("WAV, E1 to DCB1") << "WAV" << "E1" << "DCB1";
    // clang-format on
}

void KeyRulesTest::focusPath()
{
    QFETCH(QString, steps);
    QFETCH(QString, from);
    QFETCH(QString, next);

    Harness window;
    QWidget* start = FocusAfter(window, steps, from);
    if (QTest::currentTestFailed())
        return;
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window.widget(next));
}

// After the last control the search starts again at the first: the selected
// item of the mode group.
void KeyRulesTest::wrapsRound()
{
    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run("OGG"), QString());
    for (const char* name : {"B1", "B2", "B3"})
        window.widget(name)->hide();
    QWidget* files = window.widget("FLB1");
    QVERIFY(Focus(files));
    QTest::keyClick(files, Qt::Key_Return);
    auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(focused);
    QCOMPARE(focused->text(), QString("OGG"));
    QVERIFY(focused->isChecked());
}

// Enter is swallowed by the folder list: the highlighted folder is not opened.
void KeyRulesTest::folderListDoesNotOpen()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir("inner"));
    const QString startFolder = QDir::currentPath();
    Harness window;
    QVERIFY(window.active());
    auto* folders = window.get<marulo::FolderList>("DLB1");
    folders->setDirectory(root.path());
    const QString opened = folders->directory();
    folders->setCurrentRow(folders->count() - 1);
    QVERIFY(folders->currentItem());
    QVERIFY(Focus(folders));
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(folders->directory(), opened);
    QCOMPARE(QApplication::focusWidget(), window.widget("FLB1"));
    folders->setDirectory(startFolder);
}

QTEST_MAIN(KeyRulesTest)
#include "tst_key.moc"
