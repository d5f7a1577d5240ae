// The value fields: combo box lists and limits, edit fields with their spin
// buttons, and which key rule sees Enter in each control.
#include "ui/widgets/UpDown.h"
#include "ui/window/TForm1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using marulo::TForm1;
using marulo::UpDown;

class WindowFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void combos_data();
    void combos();
    void typingStopsAtMaximumLength_data();
    void typingStopsAtMaximumLength();
    void fields_data();
    void fields();
    void spinStepsWithinRangeWithoutWrap_data();
    void spinStepsWithinRangeWithoutWrap();
    void arrowKeysInFieldStep();
    void spinKeepsItsOwnEnabledState();
    void spinTakesNoFocus();
    void enterMovesFocusFromForwardedControls_data();
    void enterMovesFocusFromForwardedControls();
    void enterPressesFocusedButton();
};

void WindowFieldsTest::combos_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("ComB1") << "128" << 3
                           << QStringList{"32", "40", "48", "56", "64", "80", "96", "112", "128", "160", "192",
                                          "224", "256", "320", "384", "448", "512"};
    QTest::newRow("ComB2") << "320" << 3 << QStringList{"224", "256", "320", "384", "448", "512"};
    QTest::newRow("ComB3") << "64" << 3 << QStringList{"32", "40", "48", "56", "64", "80", "96"};
    QTest::newRow("ComB4") << "normal" << 32767
                           << QStringList{"tape", "radio", "internet", "streaming", "normal", "extreme", "archive",
                                          "ultra"};
    QTest::newRow("ComB6") << "4.00" << 4
                           << QStringList{"0.00", "1.00", "2.00", "3.00", "4.00", "5.00", "6.00", "7.00", "8.00",
                                          "9.00", "10"};
    // clang-format on
}

void WindowFieldsTest::combos()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(QStringList, items);
    TForm1 form;
    auto* combo = form.findChild<QComboBox*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(combo);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(combo->lineEdit()->maxLength(), maxLength);
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed.append(combo->itemText(i));
    QCOMPARE(listed, items);

    // The drop-down rows keep their 15 pixels despite the bold 15-pixel font.
    form.show();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->visualRect(combo->model()->index(0, 0)).height(), 15);
    combo->hidePopup();
}

void WindowFieldsTest::typingStopsAtMaximumLength_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("ComB1") << "1234" << "123";
    QTest::newRow("E1") << "1234" << "123";
    QTest::newRow("E2") << "76" << "7";
    QTest::newRow("E4") << "ab" << "a"; // not limited to digits
    // clang-format on
}

void WindowFieldsTest::typingStopsAtMaximumLength()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    control->setEnabled(true);
    control->setFocus();
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        edit = combo->lineEdit();
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(edit->text(), kept);
}

void WindowFieldsTest::fields_data()
{
    // clang-format off
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("E1") << "UD1" << "90" << 3 << 0 << 100;
    QTest::newRow("E2") << "UD2" << "8" << 1 << 0 << 8;
    QTest::newRow("E3") << "UD3" << "4" << 1 << 0 << 9;
    QTest::newRow("E4") << "UD4" << "2" << 1 << 0 << 9;
    // clang-format on
}

void WindowFieldsTest::fields()
{
    QFETCH(QString, spin);
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    TForm1 form;
    auto* field = form.findChild<QLineEdit*>(QString::fromLatin1(QTest::currentDataTag()));
    auto* updown = form.findChild<UpDown*>(spin);
    QVERIFY(field);
    QVERIFY(updown);
    QCOMPARE(field->text(), text);
    QCOMPARE(field->maxLength(), maxLength);
    QCOMPARE(updown->buddy(), field);
    QCOMPARE(updown->minimum(), minimum);
    QCOMPARE(updown->maximum(), maximum);
    QCOMPARE(updown->position(), text.toInt());
    // The spin button sits against the field's right edge.
    QCOMPARE(updown->geometry().left(), field->geometry().right() + 1);
}

void WindowFieldsTest::spinStepsWithinRangeWithoutWrap_data()
{
    // clang-format off
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("result");
    QTest::newRow("E1 up from default") << "UD1" << "90" << +1 << "91";
    QTest::newRow("E1 down from default") << "UD1" << "90" << -1 << "89";
    QTest::newRow("E1 up at top stays") << "UD1" << "100" << +1 << "100";
    QTest::newRow("E1 down at bottom stays") << "UD1" << "0" << -1 << "0";
    QTest::newRow("E2 up at top stays") << "UD2" << "8" << +1 << "8";
    QTest::newRow("E3 up from typed") << "UD3" << "7" << +1 << "8";
    QTest::newRow("E4 down at bottom stays") << "UD4" << "0" << -1 << "0";
    QTest::newRow("E4 typed over range comes back") << "UD4" << "9" << +1 << "9";
    // clang-format on
}

void WindowFieldsTest::spinStepsWithinRangeWithoutWrap()
{
    QFETCH(QString, spin);
    QFETCH(QString, start);
    QFETCH(int, delta);
    QFETCH(QString, result);
    TForm1 form;
    auto* updown = form.findChild<UpDown*>(spin);
    QVERIFY(updown);
    updown->buddy()->setText(start);
    updown->step(delta);
    QCOMPARE(updown->buddy()->text(), result);
}

void WindowFieldsTest::arrowKeysInFieldStep()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("E1"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(field->text(), QStringLiteral("91"));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(field->text(), QStringLiteral("89"));
    field->setText(QStringLiteral("100"));
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(field->text(), QStringLiteral("100"));
}

void WindowFieldsTest::spinKeepsItsOwnEnabledState()
{
    TForm1 form;
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("E1"));
    auto* updown = form.findChild<UpDown*>(QStringLiteral("UD1"));
    field->setEnabled(false);
    QVERIFY(updown->isEnabled());
    // An enabled spin button steps its disabled field.
    updown->step(+1);
    QCOMPARE(field->text(), QStringLiteral("91"));
}

void WindowFieldsTest::spinTakesNoFocus()
{
    TForm1 form;
    for (const char* name : {"UD1", "UD2", "UD3", "UD4"}) {
        auto* updown = form.findChild<UpDown*>(QLatin1String(name));
        QCOMPARE(updown->focusPolicy(), Qt::NoFocus);
        for (QWidget* part : updown->findChildren<QWidget*>())
            QCOMPARE(part->focusPolicy(), Qt::NoFocus);
    }
}

void WindowFieldsTest::enterMovesFocusFromForwardedControls_data()
{
    // clang-format off
    QTest::addColumn<QString>("next");
    QTest::newRow("FLB1") << "B1";
    QTest::newRow("DLB1") << "FLB1";
    QTest::newRow("ComB1") << "DCB1";
    QTest::newRow("CB0") << "CB6";
    QTest::newRow("E4") << "ComB1";
    // clang-format on
}

void WindowFieldsTest::enterMovesFocusFromForwardedControls()
{
    QFETCH(QString, next);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    control->setFocus();
    QTRY_VERIFY(control->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    if (qobject_cast<QComboBox*>(focused->parentWidget()))
        focused = focused->parentWidget();
    QCOMPARE(focused->objectName(), next);
}

void WindowFieldsTest::enterPressesFocusedButton()
{
    // An empty folder: the press only reports in the status bar.
    QTemporaryDir empty;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* button = form.findChild<QPushButton*>(QStringLiteral("B2"));
    QSignalSpy pressed(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(QApplication::focusWidget(), button);
    QDir::setCurrent(before);
}

QTEST_MAIN(WindowFieldsTest)
#include "tst_fields.moc"
