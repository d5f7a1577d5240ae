// The channel buttons (whether "2CH -> 1CH" may be used), "Normalize" and Exit.
#include "tests/support/WindowHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>

using namespace marulo::test;

class ChannelRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void channelTable_data();
    void channelTable();
    void channelClicks_data();
    void channelClicks();
    void normalize_data();
    void normalize();
    void exitCloses();
};

void ChannelRulesTest::channelTable_data()
{
    // clang-format off
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<bool>("downmixEnabled");

    // Each rule's cell for CB9 by mode.
    const char* modes[] = {"MP2;MP3", "MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};
    const struct {
        const char* rule;
        bool cells[7];
    } table[] = {
        {"RB1", {false, true, true, false, false, false, false}},
        {"RB2", {false, false, true, false, false, false, false}},
        {"RB3", {false, false, false, false, false, false, false}},
        {"RB4", {false, false, false, false, false, false, false}},
    };
    for (const auto& row : table)
        for (int mode = 0; mode < 7; ++mode)
            QTest::addRow("%s in %s", row.rule, modes[mode]) << modes[mode] << row.rule << row.cells[mode];
    // clang-format on
}

// The rule run directly, as most buttons are disabled in most modes; it must
// set CB9's enabled state from its cell whatever it was, and leave its mark.
void ChannelRulesTest::channelTable()
{
    QFETCH(QString, mode);
    QFETCH(QString, rule);
    QFETCH(bool, downmixEnabled);

    for (const bool mark : {false, true}) {
        Harness window;
        QVERIFY(window.active());
        QCOMPARE(window.run(mode), QString());
        auto* downmix = window.get<QCheckBox>("CB9");
        {
            const QSignalBlocker quiet(downmix);
            downmix->setChecked(mark);
        }
        downmix->setEnabled(!downmixEnabled);
        marulo::TForm1& form = window.form();
        if (rule == "RB1")
            form.RB1Click();
        else if (rule == "RB2")
            form.RB2Click();
        else if (rule == "RB3")
            form.RB3Click();
        else
            form.RB4Click();
        QCOMPARE(downmix->isEnabled(), downmixEnabled);
        QCOMPARE(downmix->isChecked(), mark);
    }
}

void ChannelRulesTest::channelClicks_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("downmixEnabled");
    QTest::addColumn<bool>("downmixChecked");

    QTest::newRow("MP2, Mono") << "MP2;RB1" << true << false;
    QTest::newRow("MP2, Mono, downmix, Stereo") << "MP2;RB1;CB9;RB2" << false << true;
    QTest::newRow("MP2, Mono, downmix, Dual Channel") << "MP2;RB1;CB9;RB3" << false << true;
    QTest::newRow("MP2, Mono, downmix, Joint Stereo") << "MP2;RB1;CB9;RB4" << false << true;
    QTest::newRow("OGG, Stereo by the pair") << "OGG" << true << false;
    QTest::newRow("OGG, Mono by the pair") << "OGG;CB9" << true << true;
    QTest::newRow("MP3, Mono") << "RB1" << false << false;
    QTest::newRow("MP3, Stereo") << "RB2" << false << false;
    QTest::newRow("MP3, Dual Channel") << "RB3" << false << false;
    QTest::newRow("MP3, Joint Stereo again") << "RB3;RB4" << false << false;
    // clang-format on
}

void ChannelRulesTest::channelClicks()
{
    QFETCH(QString, steps);
    QFETCH(bool, downmixEnabled);
    QFETCH(bool, downmixChecked);

    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run(steps), QString());
    QCOMPARE(window.get<QCheckBox>("CB9")->isEnabled(), downmixEnabled);
    QCOMPARE(window.get<QCheckBox>("CB9")->isChecked(), downmixChecked);
}

void ChannelRulesTest::normalize_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("on");

    QTest::newRow("MP3, off") << "CB4" << false;
    QTest::newRow("MP3, off and on") << "CB4;CB4" << true;
    QTest::newRow("OGG, off") << "OGG;CB4" << false;
    QTest::newRow("FLAC, off and on") << "FLAC;CB4;CB4" << true;
    QTest::newRow("TTA, off") << "TTA;CB4" << false;
    // clang-format on
}

// E1 and "TMP File Delete" follow the mark; the spin button UD1 keeps its state.
void ChannelRulesTest::normalize()
{
    QFETCH(QString, steps);
    QFETCH(bool, on);

    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run(steps), QString());
    QCOMPARE(window.get<QCheckBox>("CB4")->isChecked(), on);
    QCOMPARE(window.widget("E1")->isEnabled(), on);
    QCOMPARE(window.widget("CB6")->isEnabled(), on);
    QVERIFY(window.widget("UD1")->isEnabled());
}

// No conversion running: Exit closes the window at once, without a question.
void ChannelRulesTest::exitCloses()
{
    Harness window;
    QVERIFY(window.active());
    auto* exit = window.get<QPushButton>("B3");
    QVERIFY(exit);
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.form().isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(ChannelRulesTest)
#include "tst_channel.moc"
