// Choosing an encode mode: enabled, shown, checked states, captions, hint and
// status sentence after each sequence of clicks, in a fresh window per row.
#include "tests/rules/EnabledSets.h"
#include "tests/rules/ExpectedTexts.h"
#include "tests/rules/StateRows.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>

using namespace marulo::test;

class ModeRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void chooseMode_data();
    void chooseMode();
    void converterCheck_data();
    void converterCheck();
};

void ModeRulesTest::chooseMode_data()
{
    // clang-format off
    AddTextColumns({"steps", "enabled", "checked", "shown", "lt4", "cb0", "cb0Hint", "status"});

    const QString mp3Shown = Text::ShownMp3, comb6 = Text::ShownComB6, aacShown = Text::ShownAac;
    const QString q = Text::Quality, qMp3 = Text::QualityMp3, mpx = Text::Mpx, mpxHint = Text::MpxHint;

    // MP2: "2CH -> 1CH" follows "Mono".
    QTest::newRow("MP2") << "MP2" << Enabled::Mp2 << "RB4 CB4 CB6" << comb6 << q << mpx << mpxHint << Text::Mp2;
    QTest::newRow("MP2, Mono") << "MP2;RB1" << Enabled::Mp2Mono << "RB1 CB4 CB6" << comb6 << q << mpx << mpxHint
                               << Text::Mp2;
    QTest::newRow("Mono, then MP2") << "RB1;MP2" << Enabled::Mp2Mono << "RB1 CB4 CB6" << comb6 << q << mpx
                                    << mpxHint << Text::Mp2;
    QTest::newRow("MP2, Mono, Stereo") << "MP2;RB1;RB2" << Enabled::Mp2 << "RB2 CB4 CB6" << comb6 << q << mpx
                                       << mpxHint << Text::Mp2;
    QTest::newRow("MP2, downmix kept when Stereo")
        << "MP2;RB1;CB9;RB2" << Enabled::Mp2 << "RB2 CB4 CB6 CB9" << comb6 << q << mpx << mpxHint << Text::Mp2;

    // MP3 and its three rate-control rows; ABR wins over VBR.
    QTest::newRow("MP3, neither") << "MP2;MP3" << Enabled::Mp3 << "RB4 CB4 CB6" << mp3Shown << qMp3 << mpx
                                  << mpxHint << Text::Mp3;
    QTest::newRow("MP3, ABR") << "CB3;MP2;MP3" << Enabled::Mp3Abr << "RB4 CB3 CB4 CB6" << mp3Shown << qMp3 << mpx
                              << mpxHint << Text::Mp3;
    QTest::newRow("MP3, VBR") << "CB2;MP2;MP3" << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3Shown << qMp3 << mpx
                              << mpxHint << Text::Mp3;
    QTest::newRow("MP3, VBR with range") << "CB2;CB8;MP2;MP3" << Enabled::Mp3VbrRange << "RB4 CB2 CB4 CB6 CB8"
                                         << mp3Shown << qMp3 << mpx << mpxHint << Text::Mp3;
    QTest::newRow("MP3, ABR and VBR") << "CB3;AAC;CB2;MP3" << Enabled::Mp3Abr << "RB2 CB2 CB3 CB4 CB6" << mp3Shown
                                      << qMp3 << mpx << mpxHint << Text::Mp3;
    QTest::newRow("MP3, Normalize off")
        << "CB4;MP2;MP3" << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 LT1 ComB1 LT4 UD1 E4 UD4" << "RB4 CB6" << mp3Shown
        << qMp3 << mpx << mpxHint << Text::Mp3;
    QTest::newRow("MP3 after WAV") << "CB4;WAV;MP3" << Enabled::Mp3 << "RB4 CB4 CB6" << mp3Shown << qMp3 << mpx
                                   << mpxHint << Text::Mp3;

    // OGG: the channel pair follows the downmix box.
    QTest::newRow("OGG") << "OGG" << Enabled::Ogg << "RB2 CB4 CB6" << comb6 << q << mpx << mpxHint << Text::Ogg;
    QTest::newRow("OGG, Dual Channel before") << "RB3;OGG" << Enabled::Ogg << "RB2 CB4 CB6" << comb6 << q << mpx
                                              << mpxHint << Text::Ogg;
    QTest::newRow("OGG, downmix") << "MP2;RB1;CB9;OGG" << Enabled::OggMono << "RB1 CB4 CB6 CB9" << comb6 << q << mpx
                                  << mpxHint << Text::Ogg;
    QTest::newRow("OGG, ABR") << "CB3;OGG" << Enabled::OggAbr << "RB2 CB3 CB4 CB6" << comb6 << q << mpx << mpxHint
                              << Text::Ogg;
    QTest::newRow("OGG, VBR") << "CB2;OGG" << Enabled::OggVbr << "RB2 CB2 CB4 CB6" << comb6 << q << mpx << mpxHint
                              << Text::Ogg;
    QTest::newRow("OGG, VBR with range mark") << "CB2;CB8;OGG" << Enabled::OggVbr << "RB2 CB2 CB4 CB6 CB8" << comb6
                                              << q << mpx << mpxHint << Text::Ogg;
    QTest::newRow("OGG, ABR and VBR") << "CB3;AAC;CB2;OGG" << Enabled::OggAbr << "RB2 CB2 CB3 CB4 CB6" << comb6 << q
                                      << mpx << mpxHint << Text::Ogg;

    // AAC: "ABR" is not consulted; the text follows "VBR".
    QTest::newRow("AAC") << "AAC" << Enabled::Aac << "RB2 CB4 CB6" << aacShown << q << mpx << mpxHint
                         << Text::AacAverage;
    QTest::newRow("AAC, VBR") << "CB2;AAC" << Enabled::AacVbr << "RB2 CB2 CB4 CB6" << aacShown << q << mpx << mpxHint
                              << Text::AacVbr;
    QTest::newRow("AAC, ABR mark") << "CB3;AAC" << Enabled::Aac << "RB2 CB3 CB4 CB6" << aacShown << q << mpx
                                   << mpxHint << Text::AacAverage;

    QTest::newRow("FLAC") << "FLAC" << Enabled::Flac << "RB2 CB4 CB6" << comb6 << q << Text::FlacWav
                          << Text::FlacHint << Text::Flac;
    QTest::newRow("TTA") << "TTA" << Enabled::Tta << "RB2 CB4 CB6" << comb6 << q << Text::TtaWav << Text::TtaHint
                         << Text::Tta;
    QTest::newRow("TTA checks Normalize") << "CB4;TTA" << Enabled::Tta << "RB2 CB4 CB6" << comb6 << q
                                          << Text::TtaWav << Text::TtaHint << Text::Tta;
    QTest::newRow("TTA, Normalize unchecked after") << "TTA;CB4" << "RG1 RB2 CB0 CB4 UD1" << "RB2 CB6" << comb6 << q
                                                    << Text::TtaWav << Text::TtaHint << Text::Tta;

    // WAV: everything but the percentage locked; CB0 keeps the previous caption.
    QTest::newRow("WAV") << "WAV" << Enabled::Wav << "RB4 CB4 CB6" << comb6 << q << mpx << mpxHint << Text::Wav;
    QTest::newRow("WAV checks Normalize") << "CB4;WAV" << Enabled::Wav << "RB4 CB4 CB6" << comb6 << q << mpx
                                          << mpxHint << Text::Wav;
    QTest::newRow("WAV after FLAC") << "FLAC;WAV" << Enabled::Wav << "RB2 CB4 CB6" << comb6 << q << Text::FlacWav
                                    << Text::FlacHint << Text::Wav;
    QTest::newRow("WAV after TTA") << "TTA;WAV" << Enabled::Wav << "RB2 CB4 CB6" << comb6 << q << Text::TtaWav
                                   << Text::TtaHint << Text::Wav;

    // Forced choices outlast their mode; disabled boxes keep their marks.
    QTest::newRow("Stereo after AAC") << "AAC;MP3" << Enabled::Mp3 << "RB2 CB4 CB6" << mp3Shown << qMp3 << mpx
                                      << mpxHint << Text::Mp3;
    QTest::newRow("Stereo after FLAC, MP2") << "FLAC;MP2" << Enabled::Mp2 << "RB2 CB4 CB6" << comb6 << q << mpx
                                            << mpxHint << Text::Mp2;
    QTest::newRow("Stereo after OGG downmix off")
        << "MP2;RB1;CB9;OGG;CB9;MP3" << Enabled::Mp3 << "RB2 CB4 CB6" << mp3Shown << qMp3 << mpx << mpxHint
        << Text::Mp3;
    QTest::newRow("Normalize after TTA") << "CB4;TTA;MP3" << Enabled::Mp3 << "RB2 CB4 CB6" << mp3Shown << qMp3
                                         << mpx << mpxHint << Text::Mp3;
    QTest::newRow("marks kept while disabled")
        << "CB2;CB8;CB1;CB5;FLAC" << Enabled::Flac << "RB2 CB1 CB2 CB4 CB5 CB6 CB8" << comb6 << q << Text::FlacWav
        << Text::FlacHint << Text::Flac;
    QTest::newRow("marks read again") << "CB2;CB8;CB1;CB5;FLAC;MP3" << Enabled::Mp3VbrRange
                                      << "RB2 CB1 CB2 CB4 CB5 CB6 CB8" << mp3Shown << qMp3 << mpx << mpxHint
                                      << Text::Mp3;

    // The selected item clicked again runs nothing: the rate text and the
    // starting caption of LT4 stay.
    QTest::newRow("MP3 again") << "CB2;MP3" << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3Shown
                               << Text::QualityStart << mpx << mpxHint << Text::LameVbr;
    QTest::newRow("OGG again") << "OGG;CB2;OGG" << Enabled::OggVbr << "RB2 CB2 CB4 CB6" << comb6 << q << mpx
                               << mpxHint << Text::OggVbr;
    // clang-format on
}

void ModeRulesTest::chooseMode()
{
    QFETCH(QString, lt4);
    QFETCH(QString, cb0);
    QFETCH(QString, cb0Hint);

    Harness window;
    CompareRow(window);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window.get<QLabel>("LT4")->text(), lt4);
    QCOMPARE(window.get<QCheckBox>("CB0")->text(), cb0);
    QCOMPARE(window.get<QCheckBox>("CB0")->toolTip(), cb0Hint);
}

void ModeRulesTest::converterCheck_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("tools");
    QTest::addColumn<QString>("status");

    const int all = int(Tools::All), none = int(Tools::None), folders = int(Tools::Folders);
    struct Mode {
        const char* name;
        QString steps;
        QString present;
        QString absent;
    };
    const Mode modes[] = {
        {"MP3", "MP2;MP3", Text::Mp3, Text::Mp3Absent},
        {"MP2", "MP2", Text::Mp2, Text::Mp2Absent},
        {"OGG", "OGG", Text::Ogg, Text::OggAbsent},
        {"AAC", "AAC", Text::AacAverage, Text::AacAbsent},
        {"AAC, VBR", "CB2;AAC", Text::AacVbr, Text::AacAbsent},
        {"FLAC", "FLAC", Text::Flac, Text::FlacAbsent},
        {"TTA", "TTA", Text::Tta, Text::TtaAbsent},
        {"WAV", "WAV", Text::Wav, Text::WavAbsent},
    };
    for (const Mode& mode : modes) {
        QTest::addRow("%s, present", mode.name) << mode.steps << all << mode.present;
        QTest::addRow("%s, absent", mode.name) << mode.steps << none << mode.absent;
        QTest::addRow("%s, a folder of that name", mode.name) << mode.steps << folders << mode.present;
    }
    // The MP3 and OGG texts do not follow the rate-control boxes.
    QTest::newRow("MP3, VBR, present") << "CB2;MP2;MP3" << all << Text::Mp3;
    QTest::newRow("OGG, ABR, present") << "CB3;OGG" << all << Text::Ogg;
    // A rate-control click replaces the warning.
    QTest::newRow("OGG absent, then VBR") << "OGG;CB2" << none << Text::OggVbr;
    // clang-format on
}

void ModeRulesTest::converterCheck()
{
    QFETCH(QString, steps);
    QFETCH(int, tools);
    QFETCH(QString, status);

    Harness window(static_cast<Tools>(tools));
    QVERIFY(window.active());
    QCOMPARE(window.run(steps), QString());
    QCOMPARE(window.status(), status);
}

QTEST_MAIN(ModeRulesTest)
#include "tst_mode.moc"
