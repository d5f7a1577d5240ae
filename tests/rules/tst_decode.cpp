// Decode mode entered and left in every mode: locked controls, file mask,
// status sentence, and the states on leaving, which differ from choosing the
// mode in the listed ways.
#include "tests/rules/EnabledSets.h"
#include "tests/rules/ExpectedTexts.h"
#include "tests/rules/StateRows.h"

#include "ui/widgets/FileList.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace marulo::test;

namespace {

const QString MpxMask = "*.mp1;*.mp2;*.mp3";
const QString WavMask = "*.wav";

} // namespace

class DecodeRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void toggle_data();
    void toggle();
    void captionsStay();
    void selectionCleared_data();
    void selectionCleared();
};

void DecodeRulesTest::toggle_data()
{
    // clang-format off
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("tools");
    AddTextColumns({"enabled", "checked", "shown", "status", "mask"});

    const int all = int(Tools::All), none = int(Tools::None);
    const QString mp3 = Text::ShownMp3, combo6 = Text::ShownComB6, aac = Text::ShownAac;

    // Entering: only CB0 of the options stays enabled; marks and shown states stay.
    QTest::newRow("enter MP3") << "CB0" << all << "CB0" << "RB4 CB0 CB4 CB6" << mp3 << Text::DecodeMpx << MpxMask;
    QTest::newRow("enter MP2") << "MP2;CB0" << all << "CB0" << "RB4 CB0 CB4 CB6" << combo6 << Text::DecodeMpx
                               << MpxMask;
    QTest::newRow("enter OGG") << "OGG;CB0" << all << "CB0" << "RB2 CB0 CB4 CB6" << combo6 << Text::DecodeMpx
                               << MpxMask;
    QTest::newRow("enter AAC") << "AAC;CB0" << all << "CB0" << "RB2 CB0 CB4 CB6" << aac << Text::DecodeMpx
                               << MpxMask;
    QTest::newRow("enter FLAC") << "FLAC;CB0" << all << "CB0" << "RB2 CB0 CB4 CB6" << combo6 << Text::DecodeFlac
                                << "*.flac";
    QTest::newRow("enter TTA") << "TTA;CB0" << all << "CB0" << "RB2 CB0 CB4 CB6" << combo6 << Text::DecodeTta
                               << "*.tta";
    QTest::newRow("enter MP3, marks kept") << "CB2;CB8;CB5;CB0" << all << "CB0" << "RB4 CB0 CB2 CB4 CB5 CB6 CB8"
                                           << mp3 << Text::DecodeMpx << MpxMask;
    QTest::newRow("no mode change while decoding") << "CB0;MP2" << all << "CB0" << "RB4 CB0 CB4 CB6" << mp3
                                                   << Text::DecodeMpx << MpxMask;
    QTest::newRow("WAV cannot decode") << "WAV;CB0" << all << Enabled::Wav << "RB4 CB4 CB6" << combo6 << Text::Wav
                                       << WavMask;

    // Leaving MP3: LT4 follows the rate row (off unless VBR).
    QTest::newRow("leave MP3") << "CB0;CB0" << all
                               << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 ComB1 E1 UD1 E4 UD4"
                               << "RB4 CB4 CB6" << mp3 << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, ABR")
        << "CB3;CB0;CB0" << all
        << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 LT2 LT3 ComB1 ComB2 ComB3 E1 UD1 E4 UD4"
        << "RB4 CB3 CB4 CB6" << mp3 << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, VBR") << "CB2;CB0;CB0" << all << Enabled::Mp3Vbr << "RB4 CB2 CB4 CB6" << mp3
                                    << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, VBR and range") << "CB2;CB8;CB0;CB0" << all << Enabled::Mp3VbrRange
                                              << "RB4 CB2 CB4 CB6 CB8" << mp3 << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, both")
        << "CB3;AAC;CB2;MP3;CB0;CB0" << all
        << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 LT2 LT3 ComB1 ComB2 ComB3 E1 UD1 E4 UD4"
        << "RB2 CB2 CB3 CB4 CB6" << mp3 << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, Normalize off")
        << "CB4;CB0;CB0" << all << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 LT1 ComB1 UD1 E4 UD4" << "RB4 CB6" << mp3
        << Text::Mp3 << WavMask;
    QTest::newRow("leave MP3, no converter search") << "CB0;CB0" << none
                                                    << "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 ComB1 E1 UD1 E4 UD4"
                                                    << "RB4 CB4 CB6" << mp3 << Text::Mp3 << WavMask;

    // Leaving MP2: the downmix mark follows "Mono"; UD1 follows "Normalize".
    QTest::newRow("leave MP2") << "MP2;CB0;CB0" << all << Enabled::Mp2 << "RB4 CB4 CB6" << combo6 << Text::Mp2
                               << WavMask;
    QTest::newRow("leave MP2, Mono") << "MP2;RB1;CB0;CB0" << all << Enabled::Mp2Mono << "RB1 CB4 CB6 CB9" << combo6
                                     << Text::Mp2 << WavMask;
    QTest::newRow("leave MP2, Stereo unchecks downmix") << "MP2;RB1;CB9;RB2;CB0;CB0" << all << Enabled::Mp2
                                                        << "RB2 CB4 CB6" << combo6 << Text::Mp2 << WavMask;
    QTest::newRow("leave MP2, Normalize off") << "MP2;CB4;CB0;CB0" << all << "RG1 RB1 RB2 RB3 RB4 CB0 CB4 CB5 LT1 ComB1"
                                              << "RB4 CB6" << combo6 << Text::Mp2 << WavMask;
    QTest::newRow("leave MP2, absent converter") << "MP2;CB0;CB0" << none << Enabled::Mp2 << "RB4 CB4 CB6" << combo6
                                                 << Text::Mp2 << WavMask;

    // Leaving OGG: a text of its own; the pair follows the downmix box.
    QTest::newRow("leave OGG") << "OGG;CB0;CB0" << all << Enabled::Ogg << "RB2 CB4 CB6" << combo6 << Text::LeaveOgg
                               << WavMask;
    QTest::newRow("leave OGG, downmix") << "OGG;CB9;CB0;CB0" << all << Enabled::OggMono << "RB1 CB4 CB6 CB9"
                                        << combo6 << Text::LeaveOgg << WavMask;
    QTest::newRow("leave OGG, VBR") << "OGG;CB2;CB0;CB0" << all << Enabled::OggVbr << "RB2 CB2 CB4 CB6" << combo6
                                    << Text::LeaveOgg << WavMask;
    QTest::newRow("leave OGG, ABR") << "OGG;CB3;CB0;CB0" << all << Enabled::OggAbr << "RB2 CB3 CB4 CB6" << combo6
                                    << Text::LeaveOgg << WavMask;
    QTest::newRow("leave OGG, Normalize off") << "OGG;CB4;CB0;CB0" << all << "RG1 RB2 CB0 CB2 CB3 CB4 CB9 LT1 ComB1"
                                              << "RB2 CB6" << combo6 << Text::LeaveOgg << WavMask;

    // Leaving AAC: the rate-control texts.
    QTest::newRow("leave AAC") << "AAC;CB0;CB0" << all << Enabled::Aac << "RB2 CB4 CB6" << aac
                               << Text::AacRuleAverage << WavMask;
    QTest::newRow("leave AAC, VBR") << "AAC;CB2;CB0;CB0" << all << Enabled::AacVbr << "RB2 CB2 CB4 CB6" << aac
                                    << Text::AacRuleVbr << WavMask;

    QTest::newRow("leave FLAC") << "FLAC;CB0;CB0" << all << Enabled::Flac << "RB2 CB4 CB6" << combo6 << Text::Flac
                                << WavMask;
    QTest::newRow("leave FLAC, Normalize off") << "FLAC;CB4;CB0;CB0" << all << "RG1 RB2 CB0 CB4 LT5 E2 UD2"
                                               << "RB2 CB6" << combo6 << Text::Flac << WavMask;
    QTest::newRow("leave TTA") << "TTA;CB0;CB0" << all << Enabled::Tta << "RB2 CB4 CB6" << combo6 << Text::Tta
                               << WavMask;
    QTest::newRow("leave TTA, Normalize checked again") << "TTA;CB4;CB0;CB0" << all << Enabled::Tta << "RB2 CB4 CB6"
                                                        << combo6 << Text::Tta << WavMask;
    // clang-format on
}

void DecodeRulesTest::toggle()
{
    QFETCH(int, tools);
    QFETCH(QString, mask);

    Harness window(static_cast<Tools>(tools));
    CompareRow(window);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window.get<marulo::FileList>("FLB1")->mask(), mask);
}

// The rule never retitles: CB0 and LT4 keep what the mode gave them.
void DecodeRulesTest::captionsStay()
{
    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run("CB0;CB0"), QString());
    QCOMPARE(window.get<QLabel>("LT4")->text(), Text::QualityStart);
    QCOMPARE(window.run("FLAC;CB0"), QString());
    QCOMPARE(window.get<QCheckBox>("CB0")->text(), Text::FlacWav);
    QCOMPARE(window.get<QCheckBox>("CB0")->toolTip(), Text::FlacHint);
    QCOMPARE(window.get<QLabel>("LT4")->text(), Text::Quality);
    QCOMPARE(window.run("CB0"), QString());
    QCOMPARE(window.get<QCheckBox>("CB0")->text(), Text::FlacWav);
}

void DecodeRulesTest::selectionCleared_data()
{
    // clang-format off
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("decodable");

    QTest::newRow("MP3") << "MP2;MP3" << "b.mp3 c.MP2 d.mp1";
    QTest::newRow("FLAC") << "FLAC" << "e.flac";
    QTest::newRow("TTA") << "TTA" << "f.tta";
    // clang-format on
}

// A file selected before the box is toggled is no longer selected afterwards,
// and the list shows the files the decoder reads.
void DecodeRulesTest::selectionCleared()
{
    QFETCH(QString, mode);
    QFETCH(QString, decodable);

    QTemporaryDir folder;
    for (const char* name : {"a.wav", "b.mp3", "c.MP2", "d.mp1", "e.flac", "f.tta", "g.ogg"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.run(mode), QString());
    auto* list = window.get<marulo::FileList>("FLB1");
    list->setDirectory(folder.path());
    list->selectItem(0);
    QCOMPARE(list->selectedPath(), folder.filePath("a.wav"));

    QCOMPARE(window.run("CB0"), QString());
    QStringList expected;
    for (const QString& name : decodable.split(' '))
        expected << folder.filePath(name);
    QCOMPARE(list->listedPaths(), expected);
    QCOMPARE(list->selectedPath(), QString());

    list->selectItem(0);
    QCOMPARE(window.run("CB0"), QString());
    QCOMPARE(list->listedPaths(), QStringList{folder.filePath("a.wav")});
    QCOMPARE(list->selectedPath(), QString());
}

QTEST_MAIN(DecodeRulesTest)
#include "tst_decode.moc"
