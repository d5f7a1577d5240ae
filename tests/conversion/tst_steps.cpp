// The step sequence of both conversion buttons against fakes: which converters
// run in which order with which lines, what is removed, what the user is told.
#include "tests/conversion/FakeConversion.h"

#include "core/CommandBuilder.h"
#include "core/ConversionJob.h"

#include <QtTest>

using namespace marulo;
using namespace marulo::test;

Q_DECLARE_METATYPE(marulo::EncodeMode)
Q_DECLARE_METATYPE(marulo::RunOutcome::Kind)

namespace {

const QString Mkdir = "mkdir /music/Zorvik";
const QString Normalise = "run normalize.exe -m 90 -o /music/Zorvik/song.wav /music/song.wav";
const QString RemoveWorkWav = "remove /music/Zorvik/song.wav";

QString Status(std::string_view text)
{
    return "status " + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Rig {
    Journal journal;
    FakeWindow window{journal};
    FakeRunner runner{journal};
    FakeFiles files{journal};
    EncoderOptions held;
    ConversionJob job{window, runner, files, held};
};

} // namespace

class ConversionJobTest : public QObject {
    Q_OBJECT

private slots:
    void leavesBehind_data();
    void leavesBehind();
    void noSelection();
    void emptyList();
    void allEncodeWalksThePressList();
    void allEncodeDecodesToOneName();
    void optionsAreTakenOncePerPress();
    void wavModeKeepsTheEarlierPrefix();
    void wavModeWithoutAnyEarlierPrefixRunsNoEncoder();
    void switchesAreReadAtEachStep_data();
    void switchesAreReadAtEachStep();
    void failedStepStopsTheFile_data();
    void failedStepStopsTheFile();
    void allEncodeGoesOnAfterAFailure();
    void upperCaseInputIsEncodedAsListed();
};

// Every row of the table of what one conversion leaves behind, for song.wav
// (or the file of the decode row) in /music, as the sequence of events.
void ConversionJobTest::leavesBehind_data()
{
    QTest::addColumn<EncodeMode>("mode");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<bool>("normalize");
    QTest::addColumn<bool>("deleteTemp");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("events");

    const auto decodeRow = [](const char* name, EncodeMode mode, const char* input, const char* line) {
        QTest::newRow(name) << mode << true << true << true << QString(input) << QStringList{Mkdir, line};
    };
    decodeRow("decode MP3", EncodeMode::Mp3, "song.mp3", "run lame.exe --decode /music/song.mp3 /music/Zorvik/song.wav");
    decodeRow("decode MP2", EncodeMode::Mp2, "song.mp2", "run lame.exe --decode /music/song.mp2 /music/Zorvik/song.wav");
    decodeRow("decode OGG", EncodeMode::Ogg, "song.mp1", "run lame.exe --decode /music/song.mp1 /music/Zorvik/song.wav");
    decodeRow("decode AAC", EncodeMode::Aac, "song.mp3", "run lame.exe --decode /music/song.mp3 /music/Zorvik/song.wav");
    decodeRow("decode FLAC", EncodeMode::Flac, "song.flac", "run flac.exe -d /music/song.flac -o /music/Zorvik/song.wav");
    decodeRow("decode TTA", EncodeMode::Tta, "song.tta", "run ttaenc.exe -d /music/song.tta -o /music/Zorvik/song.wav");

    const struct {
        EncodeMode mode;
        const char* name;
        const char* encode;
    } encoders[] = {
        {EncodeMode::Mp3, "MP3", "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3"},
        {EncodeMode::Mp2, "MP2", "run toolame.exe  -b 128 -m j  /music/Zorvik/song.wav /music/Zorvik/song.mp2"},
        {EncodeMode::Ogg, "OGG", "run oggenc.exe  -b 128  /music/Zorvik/song.wav -o /music/Zorvik/song.ogg"},
        {EncodeMode::Aac, "AAC", "run aacenc.exe  -br 128  -if /music/Zorvik/song.wav -of /music/Zorvik/song.aac"},
        {EncodeMode::Flac, "FLAC", "run flac.exe  -8 /music/Zorvik/song.wav -o /music/Zorvik/song.flac"},
        {EncodeMode::Tta, "TTA", "run ttaenc.exe   -e /music/Zorvik/song.wav -o /music/Zorvik/song.tta"},
    };
    for (const auto& e : encoders) {
        const QString encode = e.encode;
        QTest::addRow("normalise, delete, %s", e.name)
            << e.mode << false << true << true << QString("song.wav") << QStringList{Mkdir, Normalise, encode, RemoveWorkWav};
        QTest::addRow("normalise, keep, %s", e.name)
            << e.mode << false << true << false << QString("song.wav") << QStringList{Mkdir, Normalise, encode};
        // The encoder reads the selected file, and with no normalise step of
        // its own nothing is removed, though "TMP File Delete" is set.
        QString direct = encode;
        direct.replace("/music/Zorvik/song.wav", "/music/song.wav");
        QTest::addRow("no normalise, %s", e.name)
            << e.mode << false << false << true << QString("song.wav") << QStringList{Mkdir, direct};
    }
    QTest::newRow("WAV mode, delete set") << EncodeMode::Wav << false << true << true << QString("song.wav")
                                          << QStringList{Mkdir, Normalise};
}

void ConversionJobTest::leavesBehind()
{
    QFETCH(EncodeMode, mode);
    QFETCH(bool, decode);
    QFETCH(bool, normalize);
    QFETCH(bool, deleteTemp);
    QFETCH(QString, input);
    QFETCH(QStringList, events);

    Rig rig;
    rig.window.mode = mode;
    rig.window.decode = decode;
    rig.window.normalize = normalize;
    rig.window.deleteTemp = deleteTemp;
    rig.window.selected = "/music/" + input.toStdString();
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.journal.events, events);
    QVERIFY(rig.window.status.empty());
}

void ConversionJobTest::noSelection()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav"};
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.journal.events, QStringList{Status(" ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。")});
    QCOMPARE(rig.window.settingsTaken, 1);
}

void ConversionJobTest::emptyList()
{
    Rig rig;
    rig.window.selected = "/music/a.wav"; // a selection alone is not a list
    rig.job.ConvertListedFiles();
    QCOMPARE(rig.journal.events, QStringList{Status(" フォルダ内に有効なファイルがありません。*.wav ")});
}

void ConversionJobTest::allEncodeWalksThePressList()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav", "/music/c.wav"};
    rig.window.selected = "/music/b.wav";
    // The list changes under the walk (another folder opened): the walk keeps
    // to the files and the folder of the press.
    rig.runner.during = [&](const CommandLine&) {
        rig.window.folder = "/elsewhere";
        rig.window.listed = {"/elsewhere/x.wav"};
    };
    rig.job.ConvertListedFiles();
    QStringList expected{Mkdir};
    for (const QString stem : {"a", "b", "c"}) {
        expected << "select /music/" + stem + ".wav"
                 << "run normalize.exe -m 90 -o /music/Zorvik/" + stem + ".wav /music/" + stem + ".wav"
                 << "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/" + stem + ".wav /music/Zorvik/" + stem + ".mp3"
                 << "remove /music/Zorvik/" + stem + ".wav";
    }
    QCOMPARE(rig.journal.events, expected);
    QCOMPARE(rig.window.selected, std::string("/music/c.wav"));
}

void ConversionJobTest::allEncodeDecodesToOneName()
{
    Rig rig;
    rig.window.decode = true;
    rig.window.listed = {"/music/song.mp2", "/music/song.mp3"};
    rig.job.ConvertListedFiles();
    QCOMPARE(rig.journal.events, (QStringList{Mkdir, "select /music/song.mp2",
                                              "run lame.exe --decode /music/song.mp2 /music/Zorvik/song.wav",
                                              "select /music/song.mp3",
                                              "run lame.exe --decode /music/song.mp3 /music/Zorvik/song.wav"}));
}

void ConversionJobTest::optionsAreTakenOncePerPress()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav"};
    rig.runner.during = [&](const CommandLine&) {
        rig.window.settings.bitrate = "320";
        rig.window.settings.normalizeLevel = "50";
    };
    rig.job.ConvertListedFiles();
    QCOMPARE(rig.window.settingsTaken, 1);
    for (const CommandLine& command : rig.runner.commands) {
        QVERIFY2(command.text().find("320") == std::string::npos, command.text().c_str());
        QVERIFY2(command.text().find("-m 50") == std::string::npos, command.text().c_str());
    }
    // The next press takes the window as it is then.
    rig.window.selected = "/music/a.wav";
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.runner.commands.back().text(), std::string("lame.exe  -m j -b 320 -q 2  /music/Zorvik/a.wav /music/Zorvik/a.mp3"));
}

void ConversionJobTest::wavModeKeepsTheEarlierPrefix()
{
    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.settings.bitrate = "192";
    rig.job.ConvertSelectedFile();
    const EncoderOptions afterMp3 = rig.held;

    rig.window.mode = EncodeMode::Wav;
    rig.window.settings.normalizeLevel = "75";
    rig.window.settings.bitrate = "64";
    // The user switches back to MP3 while the normaliser runs: the encoder
    // then runs with the prefix the WAV press left, that of the MP3 press.
    rig.runner.during = [&](const CommandLine&) { rig.window.mode = EncodeMode::Mp3; };
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.held.EncoderPrefix, afterMp3.EncoderPrefix);
    QCOMPARE(rig.held.OutputExtension, std::string("mp3"));
    QCOMPARE(rig.held.NormalizeOption, std::string(" -m 75"));
    QCOMPARE(rig.runner.commands.back().text(),
             std::string("lame.exe  -m j -b 192 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3"));
}

void ConversionJobTest::wavModeWithoutAnyEarlierPrefixRunsNoEncoder()
{
    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.mode = EncodeMode::Wav;
    rig.runner.during = [&](const CommandLine&) { rig.window.mode = EncodeMode::Mp3; };
    rig.job.ConvertSelectedFile();
    // Without a prefix the line would begin with the input path: never run that,
    // and say that the file was not encoded.
    QCOMPARE(rig.journal.events,
             (QStringList{Mkdir, Normalise, Status(" lame.exe による song.wav の変換に失敗しました。")}));
}

// A switch changed while a converter runs acts on the later steps.
void ConversionJobTest::switchesAreReadAtEachStep_data()
{
    QTest::addColumn<QString>("duringConverter");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("events");

    const QString encodeNormalised = "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3";
    const QString encodeSource = "run lame.exe  -m j -b 128 -q 2  /music/song.wav /music/Zorvik/song.mp3";
    QTest::newRow("Normalize cleared while normalising")
        << "normalize.exe" << "normalize off" << QStringList{Mkdir, Normalise, encodeSource, RemoveWorkWav};
    QTest::newRow("mode WAV while normalising") << "normalize.exe" << "mode wav" << QStringList{Mkdir, Normalise};
    QTest::newRow("mode OGG while normalising: OGG form, press prefix")
        << "normalize.exe" << "mode ogg"
        << QStringList{Mkdir, Normalise, "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav -o /music/Zorvik/song.mp3",
                       RemoveWorkWav};
    QTest::newRow("TMP File Delete cleared while encoding")
        << "lame.exe" << "deleteTemp off" << QStringList{Mkdir, Normalise, encodeNormalised};
    QTest::newRow("mode WAV while encoding: nothing removed")
        << "lame.exe" << "mode wav" << QStringList{Mkdir, Normalise, encodeNormalised};
    QTest::newRow("Decode set while normalising: read once per file")
        << "normalize.exe" << "decode on" << QStringList{Mkdir, Normalise, encodeNormalised, RemoveWorkWav};
}

void ConversionJobTest::switchesAreReadAtEachStep()
{
    QFETCH(QString, duringConverter);
    QFETCH(QString, change);
    QFETCH(QStringList, events);

    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.runner.during = [&](const CommandLine& line) {
        if (QString::fromStdString(line.arguments().front()) != duringConverter)
            return;
        if (change == "normalize off")
            rig.window.normalize = false;
        else if (change == "mode wav")
            rig.window.mode = EncodeMode::Wav;
        else if (change == "mode ogg")
            rig.window.mode = EncodeMode::Ogg;
        else if (change == "deleteTemp off")
            rig.window.deleteTemp = false;
        else if (change == "decode on")
            rig.window.decode = true;
    };
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.journal.events, events);
}

void ConversionJobTest::failedStepStopsTheFile_data()
{
    QTest::addColumn<QString>("converter");
    QTest::addColumn<RunOutcome::Kind>("kind");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QStringList>("events");

    const QString encode = "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3";
    const QString normaliseFailed = Status(" normalize.exe による song.wav の変換に失敗しました。");
    const QString encodeFailed = Status(" lame.exe による song.wav の変換に失敗しました。");
    using K = RunOutcome::Kind;
    for (const auto& [kind, name] : {std::pair{K::NotFound, "not found"}, {K::FailedToStart, "not startable"},
                                     {K::Crashed, "crashed"}, {K::ExitedWithStatus, "status 1"}}) {
        // No stale copy of an earlier conversion is encoded.
        QTest::addRow("normaliser %s", name) << "normalize.exe" << kind << false << QStringList{Mkdir, Normalise, normaliseFailed};
        // Nothing is removed after a failed encoder.
        QTest::addRow("encoder %s", name) << "lame.exe" << kind << false << QStringList{Mkdir, Normalise, encode, encodeFailed};
    }
    QTest::newRow("decoder fails") << "lame.exe" << K::ExitedWithStatus << true
                                   << QStringList{Mkdir, "run lame.exe --decode /music/song.wav /music/Zorvik/song.wav",
                                                  encodeFailed};
}

void ConversionJobTest::failedStepStopsTheFile()
{
    QFETCH(QString, converter);
    QFETCH(RunOutcome::Kind, kind);
    QFETCH(bool, decode);
    QFETCH(QStringList, events);

    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.decode = decode;
    rig.runner.outcomeOf[converter.toStdString()] = RunOutcome{kind, 1, {}};
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.journal.events, events);
}

void ConversionJobTest::allEncodeGoesOnAfterAFailure()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav", "/music/c.wav"};
    rig.runner.outcomeOf["lame.exe"] = RunOutcome{RunOutcome::Kind::ExitedWithStatus, 2, {}};
    rig.runner.failOnlyFor = "b.mp3";
    rig.job.ConvertListedFiles();
    const QStringList& events = rig.journal.events;
    QCOMPARE(events.filter("run lame.exe").size(), 3);
    QCOMPARE(events.filter("remove").size(), 2);
    QVERIFY(!events.contains("remove /music/Zorvik/b.wav"));
    // The failure stays in the status bar: the later success says nothing.
    QCOMPARE(QString::fromStdString(rig.window.status), QString::fromUtf8(" lame.exe による b.wav の変換に失敗しました。"));
    QCOMPARE(events.last(), "remove /music/Zorvik/c.wav");
}

void ConversionJobTest::upperCaseInputIsEncodedAsListed()
{
    Rig rig;
    rig.window.selected = "/music/SONG.WAV";
    rig.window.normalize = false;
    rig.job.ConvertSelectedFile();
    QCOMPARE(rig.journal.events,
             (QStringList{Mkdir, "run lame.exe  -m j -b 128 -q 2  /music/SONG.WAV /music/Zorvik/SONG.mp3"}));
}

QTEST_GUILESS_MAIN(ConversionJobTest)
#include "tst_steps.moc"
