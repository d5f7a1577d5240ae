// "VBR", "ABR", "Bitrate Set (F)" and "2CH -> 1CH": the states and texts their
// clicks leave, the interlock with its nested rule, and the rules doing nothing
// outside their modes.
#include "tests/rules/EnabledSets.h"
#include "tests/rules/ExpectedTexts.h"
#include "tests/rules/StateRows.h"

#include <QApplication>
#include <QTest>

using namespace marulo::test;

class RateRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void clicks_data();
    void clicks();
    void outsideTheirModes_data();
    void outsideTheirModes();
};

void RateRulesTest::clicks_data()
{
    // clang-format off
    AddTextColumns({"steps", "enabled", "checked", "shown", "status"});

    const QString mp3 = Text::ShownMp3, ogg = Text::ShownComB6, aac = Text::ShownAac;

    QTest::newRow("MP3, VBR") << "CB2" << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3 << Text::LameVbr;
    QTest::newRow("MP3, VBR off") << "CB2;CB2" << Enabled::Mp3 << "RB4 CB4 CB6" << mp3 << Text::LameConstant;
    QTest::newRow("MP3, ABR") << "CB3" << Enabled::Mp3Abr << "RB4 CB3 CB4 CB6" << mp3 << Text::LameAbr;
    QTest::newRow("MP3, ABR off") << "CB3;CB3" << Enabled::Mp3 << "RB4 CB4 CB6" << mp3 << Text::LameConstant;
    QTest::newRow("MP3, ABR then VBR") << "CB3;CB2" << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3 << Text::LameVbr;
    QTest::newRow("MP3, VBR then ABR") << "CB2;CB3" << Enabled::Mp3Abr << "RB4 CB3 CB4 CB6" << mp3 << Text::LameAbr;
    QTest::newRow("MP3, range on") << "CB2;CB8" << Enabled::Mp3VbrRange << "RB4 CB2 CB4 CB6 CB8" << mp3
                                   << Text::LameVbr;
    QTest::newRow("MP3, range off") << "CB2;CB8;CB8" << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3 << Text::LameVbr;
    QTest::newRow("MP3, range kept, VBR off") << "CB2;CB8;CB2" << Enabled::Mp3 << "RB4 CB4 CB6 CB8" << mp3
                                              << Text::LameConstant;
    QTest::newRow("MP3, range back with VBR") << "CB2;CB8;CB2;CB2" << Enabled::Mp3VbrRange << "RB4 CB2 CB4 CB6 CB8"
                                              << mp3 << Text::LameVbr;
    QTest::newRow("MP3, range kept, ABR") << "CB2;CB8;CB3" << Enabled::Mp3Abr << "RB4 CB3 CB4 CB6 CB8" << mp3
                                          << Text::LameAbr;
    QTest::newRow("MP3, range kept, ABR then VBR") << "CB2;CB8;CB3;CB2" << Enabled::Mp3VbrRange
                                                   << "RB4 CB2 CB4 CB6 CB8" << mp3 << Text::LameVbr;
    // Both checked (through AAC): unchecking either shows the constant row.
    QTest::newRow("MP3, both, VBR off") << "CB3;AAC;CB2;MP3;CB2" << Enabled::Mp3 << "RB2 CB3 CB4 CB6" << mp3
                                        << Text::LameConstant;
    QTest::newRow("MP3, both, ABR off") << "CB3;AAC;CB2;MP3;CB3" << Enabled::Mp3 << "RB2 CB2 CB4 CB6" << mp3
                                        << Text::LameConstant;
    // The rule enables the quality label that leaving decode mode left disabled.
    QTest::newRow("MP3, after decode, VBR on and off") << "CB0;CB0;CB2;CB2" << Enabled::Mp3 << "RB4 CB4 CB6" << mp3
                                                       << Text::LameConstant;

    QTest::newRow("OGG, VBR") << "OGG;CB2" << Enabled::OggVbr << "RB2 CB2 CB4 CB6" << ogg << Text::OggVbr;
    QTest::newRow("OGG, VBR off") << "OGG;CB2;CB2" << Enabled::Ogg << "RB2 CB4 CB6" << ogg << Text::OggConstant;
    QTest::newRow("OGG, ABR") << "OGG;CB3" << Enabled::OggAbr << "RB2 CB3 CB4 CB6" << ogg << Text::OggAbr;
    QTest::newRow("OGG, ABR off") << "OGG;CB3;CB3" << Enabled::Ogg << "RB2 CB4 CB6" << ogg << Text::OggConstant;
    QTest::newRow("OGG, ABR then VBR") << "OGG;CB3;CB2" << Enabled::OggVbr << "RB2 CB2 CB4 CB6" << ogg
                                       << Text::OggVbr;
    QTest::newRow("OGG, VBR then ABR") << "OGG;CB2;CB3" << Enabled::OggAbr << "RB2 CB3 CB4 CB6" << ogg
                                       << Text::OggAbr;
    QTest::newRow("OGG, both, VBR off") << "CB3;AAC;CB2;OGG;CB2" << Enabled::Ogg << "RB2 CB3 CB4 CB6" << ogg
                                        << Text::OggConstant;
    QTest::newRow("OGG, downmix") << "OGG;CB9" << Enabled::OggMono << "RB1 CB4 CB6 CB9" << ogg << Text::Ogg;
    QTest::newRow("OGG, downmix off") << "OGG;CB9;CB9" << Enabled::Ogg << "RB2 CB4 CB6" << ogg << Text::Ogg;
    QTest::newRow("OGG, downmix, VBR") << "OGG;CB9;CB2" << "RG1 RB1 CB0 CB2 CB3 CB4 CB6 CB9 LT4 ComB6 E1 UD1"
                                       << "RB1 CB2 CB4 CB6 CB9" << ogg << Text::OggVbr;

    QTest::newRow("AAC, VBR") << "AAC;CB2" << Enabled::AacVbr << "RB2 CB2 CB4 CB6" << aac << Text::AacRuleVbr;
    QTest::newRow("AAC, VBR off") << "AAC;CB2;CB2" << Enabled::Aac << "RB2 CB4 CB6" << aac << Text::AacRuleAverage;
    QTest::newRow("AAC, VBR keeps ABR") << "CB3;AAC;CB2" << Enabled::AacVbr << "RB2 CB2 CB3 CB4 CB6" << aac
                                        << Text::AacRuleVbr;
    QTest::newRow("AAC, VBR off keeps ABR") << "CB3;AAC;CB2;CB2" << Enabled::Aac << "RB2 CB3 CB4 CB6" << aac
                                            << Text::AacRuleAverage;

    // MP2 with "Mono": the downmix box can be clicked and changes nothing else.
    QTest::newRow("MP2, downmix") << "MP2;RB1;CB9" << Enabled::Mp2Mono << "RB1 CB4 CB6 CB9" << ogg << Text::Mp2;
    QTest::newRow("MP2, downmix off") << "MP2;RB1;CB9;CB9" << Enabled::Mp2Mono << "RB1 CB4 CB6" << ogg << Text::Mp2;
    // clang-format on
}

void RateRulesTest::clicks()
{
    Harness window;
    CompareRow(window);
}

void RateRulesTest::outsideTheirModes_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("rule");

    const char* cb2Idle[] = {"MP2", "FLAC", "TTA", "WAV"};
    for (const char* mode : cb2Idle)
        QTest::addRow("VBR in %s", mode) << mode << "CB2";
    const char* cb3Idle[] = {"MP2", "AAC", "FLAC", "TTA", "WAV"};
    for (const char* mode : cb3Idle)
        QTest::addRow("ABR in %s", mode) << mode << "CB3";
    const char* cb8Idle[] = {"MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};
    for (const char* mode : cb8Idle)
        QTest::addRow("range in %s", mode) << mode << "CB8";
    const char* cb9Idle[] = {"MP2;RB1", "AAC", "FLAC", "TTA", "WAV"};
    for (const char* mode : cb9Idle)
        QTest::addRow("downmix in %s", mode) << mode << "CB9";
    // clang-format on
}

// The rules run directly, as the disabled boxes cannot be clicked: nothing in
// the window may change, the marks included.
void RateRulesTest::outsideTheirModes()
{
    QFETCH(QString, steps);
    QFETCH(QString, rule);

    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run(steps + ";CB2;CB3;CB8;CB9"), QString());
    const QString enabled = window.enabledSet(), checked = window.checkedSet(), shown = window.shownSet(),
                  status = window.status();
    marulo::TForm1& form = window.form();
    if (rule == "CB2")
        form.CB2Click();
    else if (rule == "CB3")
        form.CB3Click();
    else if (rule == "CB8")
        form.CB8Click();
    else
        form.CB9Click();
    QCOMPARE(window.enabledSet(), enabled);
    QCOMPARE(window.checkedSet(), checked);
    QCOMPARE(window.shownSet(), shown);
    QCOMPARE(window.status(), status);
}

QTEST_MAIN(RateRulesTest)
#include "tst_rate.moc"
