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
Q_DECLARE_METATYPE(marulo::ExistingResults)

namespace {

const QString Mkdir = "mkdir /music/Zorvik";
const QString Normalise = "run normalize.exe -m 90 -o /music/Zorvik/song.wav /music/song.wav";
const QString RemoveWorkWav = "remove /music/Zorvik/song.wav";

QString Status(std::string_view text)
{
    return "status " + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Rig {
    explicit Rig(RunPolicy policy = {}) : job(window, runner, files, held, policy) {}

    // A press, and every converter it starts run to its end.
    void Single()
    {
        job.ConvertSelectedFile();
        runner.Drain();
    }
    void All()
    {
        job.ConvertListedFiles();
        runner.Drain();
    }

    Journal journal;
    FakeWindow window{journal};
    FakeFiles files{journal};
    FakeRunner runner{journal, files};
    EncoderOptions held;
    ConversionJob job;
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
    void resultMustBeThere_data();
    void resultMustBeThere();
    void failedStepRemovesOnlyWhatItWrote_data();
    void failedStepRemovesOnlyWhatItWrote();
    void silentConverterOverAnEarlierResult();
    void failuresAreCountedAndTheFirstNamed();
    void stopEndsTheRun_data();
    void stopEndsTheRun();
    void lanes_data();
    void lanes();
    void existingResults_data();
    void existingResults();
};

// Every row of the table of what one conversion leaves behind, for song.wav
// (or the file of the decode row) in /music, as the sequence of events.
void ConversionJobTest::leavesBehind_data()
{
    // clang-format off
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
    // clang-format on
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
    rig.Single();
    QCOMPARE(rig.journal.events, events);
    QVERIFY(rig.window.status.empty());
}

void ConversionJobTest::noSelection()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav"};
    rig.Single();
    QCOMPARE(rig.journal.events,
             QStringList{Status(" ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。")});
    QCOMPARE(rig.window.settingsTaken, 1);
}

void ConversionJobTest::emptyList()
{
    Rig rig;
    rig.window.selected = "/music/a.wav"; // a selection alone is not a list
    rig.All();
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
    rig.All();
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
    rig.All();
    QCOMPARE(
        rig.journal.events,
        (QStringList{Mkdir, "select /music/song.mp2", "run lame.exe --decode /music/song.mp2 /music/Zorvik/song.wav",
                     "select /music/song.mp3", "run lame.exe --decode /music/song.mp3 /music/Zorvik/song.wav"}));
}

void ConversionJobTest::optionsAreTakenOncePerPress()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav"};
    rig.runner.during = [&](const CommandLine&) {
        rig.window.settings.bitrate = "320";
        rig.window.settings.normalizeLevel = "50";
    };
    rig.All();
    QCOMPARE(rig.window.settingsTaken, 1);
    for (const CommandLine& command : rig.runner.commands) {
        QVERIFY2(command.text().find("320") == std::string::npos, command.text().c_str());
        QVERIFY2(command.text().find("-m 50") == std::string::npos, command.text().c_str());
    }
    // The next press takes the window as it is then.
    rig.window.selected = "/music/a.wav";
    rig.Single();
    QCOMPARE(rig.runner.commands.back().text(),
             std::string("lame.exe  -m j -b 320 -q 2  /music/Zorvik/a.wav /music/Zorvik/a.mp3"));
}

void ConversionJobTest::wavModeKeepsTheEarlierPrefix()
{
    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.settings.bitrate = "192";
    rig.Single();
    const EncoderOptions afterMp3 = rig.job.options();

    rig.window.mode = EncodeMode::Wav;
    rig.window.settings.normalizeLevel = "75";
    rig.window.settings.bitrate = "64";
    // The user switches back to MP3 while the normaliser runs: the encoder
    // then runs with the prefix the WAV press left, that of the MP3 press.
    rig.runner.during = [&](const CommandLine&) { rig.window.mode = EncodeMode::Mp3; };
    rig.Single();
    QCOMPARE(rig.job.options().EncoderPrefix, afterMp3.EncoderPrefix);
    QCOMPARE(rig.job.options().OutputExtension, std::string("mp3"));
    QCOMPARE(rig.job.options().NormalizeOption, std::string(" -m 75"));
    QCOMPARE(rig.runner.commands.back().text(),
             std::string("lame.exe  -m j -b 192 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3"));
}

void ConversionJobTest::wavModeWithoutAnyEarlierPrefixRunsNoEncoder()
{
    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.mode = EncodeMode::Wav;
    rig.runner.during = [&](const CommandLine&) { rig.window.mode = EncodeMode::Mp3; };
    rig.Single();
    // Without a prefix the line would begin with the input path: never run that,
    // and say that the file was not encoded.
    QCOMPARE(rig.journal.events,
             (QStringList{Mkdir, Normalise, Status(" lame.exe による song.wav の変換に失敗しました。")}));
}

// A switch changed while a converter runs acts on the later steps.
void ConversionJobTest::switchesAreReadAtEachStep_data()
{
    // clang-format off
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
    // clang-format on
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
    rig.Single();
    QCOMPARE(rig.journal.events, events);
}

void ConversionJobTest::failedStepStopsTheFile_data()
{
    // clang-format off
    QTest::addColumn<QString>("converter");
    QTest::addColumn<RunOutcome::Kind>("kind");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QStringList>("events");

    const QString encode = "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3";
    using K = RunOutcome::Kind;
    for (const auto& [kind, name] : {std::pair{K::NotFound, "not found"}, {K::FailedToStart, "not startable"},
                                     {K::Crashed, "crashed"}, {K::ExitedWithStatus, "status 1"}}) {
        // A converter that is not there is named so after the sentence; the
        // others here said nothing to add.
        const QString reason = kind == K::NotFound ? " not found" : "";
        const QString normaliseFailed = Status(" normalize.exe による song.wav の変換に失敗しました。") + reason;
        const QString encodeFailed = Status(" lame.exe による song.wav の変換に失敗しました。") + reason;
        // No stale copy of an earlier conversion is encoded.
        QTest::addRow("normaliser %s", name) << "normalize.exe" << kind << false << QStringList{Mkdir, Normalise, normaliseFailed};
        // The normalised copy goes after a failed encoder too ("TMP File
        // Delete" is set): left behind it would look like a result.
        QTest::addRow("encoder %s", name)
            << "lame.exe" << kind << false << QStringList{Mkdir, Normalise, encode, RemoveWorkWav, encodeFailed};
    }
    QTest::newRow("decoder fails") << "lame.exe" << K::ExitedWithStatus << true
                                   << QStringList{Mkdir, "run lame.exe --decode /music/song.wav /music/Zorvik/song.wav",
                                                  Status(" lame.exe による song.wav の変換に失敗しました。")};
    // clang-format on
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
    rig.Single();
    QCOMPARE(rig.journal.events, events);
}

void ConversionJobTest::allEncodeGoesOnAfterAFailure()
{
    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav", "/music/c.wav"};
    rig.runner.outcomeOf["lame.exe"] = RunOutcome{RunOutcome::Kind::ExitedWithStatus, 2, {}};
    rig.runner.failOnlyFor = "b.mp3";
    rig.All();
    const QStringList& events = rig.journal.events;
    QCOMPARE(events.filter("run lame.exe").size(), 3);
    // b's copy goes although its encoder failed.
    QCOMPARE(events.filter("remove").size(), 3);
    QVERIFY(events.contains("remove /music/Zorvik/b.wav"));
    // The failure is reported once, when the run is over: c was converted
    // after it, and the report still names b.
    QCOMPARE(events.filter("status").size(), 1);
    QCOMPARE(events.last(), Status(" lame.exe による b.wav の変換に失敗しました。"));
    QCOMPARE(events[events.size() - 2], "remove /music/Zorvik/c.wav");
}

void ConversionJobTest::upperCaseInputIsEncodedAsListed()
{
    Rig rig;
    rig.window.selected = "/music/SONG.WAV";
    rig.window.normalize = false;
    rig.Single();
    QCOMPARE(rig.journal.events,
             (QStringList{Mkdir, "run lame.exe  -m j -b 128 -q 2  /music/SONG.WAV /music/Zorvik/SONG.mp3"}));
}

// A converter that exits 0 without writing has failed, and is the one named.
void ConversionJobTest::resultMustBeThere_data()
{
    // clang-format off
    QTest::addColumn<QString>("silent");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QStringList>("events");

    const QString encode = "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3";
    QTest::newRow("normaliser") << "normalize.exe" << false
                                << QStringList{Mkdir, Normalise, Status(" normalize.exe による song.wav の変換に失敗しました。")};
    QTest::newRow("encoder") << "lame.exe" << false
                             << QStringList{Mkdir, Normalise, encode, RemoveWorkWav,
                                            Status(" lame.exe による song.wav の変換に失敗しました。")};
    QTest::newRow("decoder") << "lame.exe" << true
                             << QStringList{Mkdir, "run lame.exe --decode /music/song.wav /music/Zorvik/song.wav",
                                            Status(" lame.exe による song.wav の変換に失敗しました。")};
    // clang-format on
}

void ConversionJobTest::resultMustBeThere()
{
    QFETCH(QString, silent);
    QFETCH(bool, decode);
    QFETCH(QStringList, events);

    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.decode = decode;
    rig.runner.writesNothing.insert(silent.toStdString());
    rig.Single();
    QCOMPARE(rig.journal.events, events);
    QCOMPARE(rig.runner.verdicts.rbegin()->second.kind, RunOutcome::Kind::NoResult);
    QCOMPARE(rig.window.notices, 1);
}

void ConversionJobTest::failedStepRemovesOnlyWhatItWrote_data()
{
    // clang-format off
    QTest::addColumn<bool>("stepWrites");
    QTest::addColumn<bool>("earlierResultStays");

    QTest::newRow("half a file written") << true << false;
    QTest::newRow("nothing written") << false << true;
    // clang-format on
}

void ConversionJobTest::failedStepRemovesOnlyWhatItWrote()
{
    QFETCH(bool, stepWrites);
    QFETCH(bool, earlierResultStays);

    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.normalize = false;
    rig.files.Write("/music/Zorvik/song.mp3", 500); // an earlier result
    rig.runner.outcomeOf["lame.exe"] = RunOutcome{RunOutcome::Kind::ExitedWithStatus, 1, {}};
    rig.runner.failedStepsWrite = stepWrites;
    rig.Single();
    QCOMPARE(rig.journal.events.contains("remove /music/Zorvik/song.mp3"), !earlierResultStays);
    QCOMPARE(rig.files.Stat("/music/Zorvik/song.mp3").exists, earlierResultStays);
}

// The earlier file under the result's name is no result of this step.
void ConversionJobTest::silentConverterOverAnEarlierResult()
{
    Rig rig;
    rig.window.selected = "/music/song.wav";
    rig.window.normalize = false;
    rig.files.Write("/music/Zorvik/song.mp3", 500);
    const FileState earlier = rig.files.Stat("/music/Zorvik/song.mp3");
    rig.runner.writesNothing.insert("lame.exe");
    rig.Single();
    QCOMPARE(rig.runner.verdicts.at(0).kind, RunOutcome::Kind::NoResult);
    QVERIFY(rig.files.Stat("/music/Zorvik/song.mp3") == earlier);
    QCOMPARE(rig.window.status, std::string(" lame.exe による song.wav の変換に失敗しました。"));
}

void ConversionJobTest::failuresAreCountedAndTheFirstNamed()
{
    // Two files run at once; d's encoder fails before b's, and the report
    // still names b, the first failed file in list order.
    Rig rig(RunPolicy{2, ExistingResults::Overwrite});
    rig.window.normalize = false;
    rig.window.listed = {"/music/a.wav", "/music/b.wav", "/music/c.wav", "/music/d.wav"};
    rig.runner.outcomeOf["lame.exe"] = RunOutcome{RunOutcome::Kind::Crashed, 0, {}};
    rig.runner.failOnlyFor = "/music/b.wav";
    rig.job.ConvertListedFiles();
    QVERIFY(rig.runner.EndFile(1)); // a succeeds, c starts
    QVERIFY(rig.runner.EndFile(3));
    rig.runner.failOnlyFor = "/music/";
    QVERIFY(rig.runner.EndFile(4));
    QVERIFY(rig.runner.EndFile(2));
    QVERIFY(rig.job.finished());
    QCOMPARE(rig.job.summary().failed, 2);
    QCOMPARE(rig.window.status,
             std::string(" 4 件中 2 件が失敗しました: lame.exe による b.wav の変換に失敗しました。"));
}

// Esc during file 2 of 3: its converter is stopped, file 3 never starts, and
// the report says how far the run came.
void ConversionJobTest::stopEndsTheRun_data()
{
    // clang-format off
    QTest::addColumn<int>("stopDuring"); // 1 the normaliser, 2 the encoder of b
    QTest::addColumn<QStringList>("tail");

    QTest::newRow("normaliser") << 1 << QStringList{"run normalize.exe -m 90 -o /music/Zorvik/b.wav /music/b.wav"};
    // The stopped encoder's copy goes, as after a failed one.
    QTest::newRow("encoder") << 2
                             << QStringList{"run normalize.exe -m 90 -o /music/Zorvik/b.wav /music/b.wav",
                                            "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/b.wav /music/Zorvik/b.mp3",
                                            "remove /music/Zorvik/b.wav"};
    // clang-format on
}

void ConversionJobTest::stopEndsTheRun()
{
    QFETCH(int, stopDuring);
    QFETCH(QStringList, tail);

    Rig rig;
    rig.window.listed = {"/music/a.wav", "/music/b.wav", "/music/c.wav"};
    rig.job.ConvertListedFiles();
    for (int i = 0; i < 1 + stopDuring; ++i)
        QVERIFY(rig.runner.EndOne());
    rig.job.Stop();
    QCOMPARE(rig.runner.stopCalls, 1);
    QVERIFY(!rig.job.finished());
    rig.runner.Drain();
    QVERIFY(rig.job.finished());
    const QStringList& events = rig.journal.events;
    QVERIFY(!events.join('\n').contains("c.wav"));
    const qsizetype fromB = events.indexOf("select /music/b.wav") + 1;
    QCOMPARE(events.mid(fromB, tail.size()), tail);
    QCOMPARE(events.last(), QString::fromUtf8("status  変換を中止しました。3 件中 1 件を変換しました。"));
}

// Files that could write one path share a lane: the later waits, and so does
// every file behind it.
void ConversionJobTest::lanes_data()
{
    // clang-format off
    QTest::addColumn<int>("jobs");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("runningAtFirst");

    QTest::newRow("jobs 1") << 1 << false << QStringList{"a.wav", "b.wav", "c.wav"} << 1;
    QTest::newRow("jobs 2") << 2 << false << QStringList{"a.wav", "b.wav", "c.wav"} << 2;
    QTest::newRow("jobs 4, three files") << 4 << false << QStringList{"a.wav", "b.wav", "c.wav"} << 3;
    QTest::newRow("a.wav and a.WAV, b waits too") << 4 << false << QStringList{"a.wav", "a.WAV", "b.wav"} << 1;
    QTest::newRow("song.mp2 and SONG.mp3 decode to one name") << 2 << true << QStringList{"song.mp2", "SONG.mp3"} << 1;
    QTest::newRow("song.flac and song.wav") << 2 << false << QStringList{"song.flac", "song.wav"} << 1;
    // clang-format on
}

void ConversionJobTest::lanes()
{
    QFETCH(int, jobs);
    QFETCH(bool, decode);
    QFETCH(QStringList, files);
    QFETCH(int, runningAtFirst);

    Rig rig(RunPolicy{jobs, ExistingResults::Overwrite});
    rig.window.decode = decode;
    for (const QString& file : files)
        rig.window.listed.push_back("/music/" + file.toStdString());
    rig.job.ConvertListedFiles();
    QCOMPARE(int(rig.runner.running()), runningAtFirst);
    rig.runner.Drain();
    QVERIFY(rig.job.finished());
    // Every file once, each file's steps in order, files started in list order.
    QStringList selected = rig.journal.events.filter("select ");
    QCOMPARE(selected.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(selected[i], "select /music/" + files[i]);
    QCOMPARE(rig.runner.starts.size(), std::size_t(decode ? 1 : 2) * std::size_t(files.size()));
    for (int k = 1; k <= int(files.size()); ++k) {
        QStringList converters;
        for (const StepStart& start : rig.runner.starts)
            if (start.index == k)
                converters << QString::fromStdString(start.converter);
        QCOMPARE(converters, decode ? QStringList{"lame.exe"} : (QStringList{"normalize.exe", "lame.exe"}));
    }
}

void ConversionJobTest::existingResults_data()
{
    // clang-format off
    QTest::addColumn<ExistingResults>("policy");
    QTest::addColumn<int>("mode"); // -1 decode MP3, else the encode mode
    QTest::addColumn<QStringList>("earlier");
    QTest::addColumn<QStringList>("events");

    const QString normalise = "run normalize.exe -m 90 -o /music/Zorvik/song.wav /music/song.wav";
    const QString resultExists = Status(" 変換先に同じ名前のファイルがあるため、変換しませんでした。");
    QTest::newRow("skip, encode") << ExistingResults::Skip << 0 << QStringList{"song.mp3"}
                                  << QStringList{Mkdir, "skip song.wav", resultExists};
    QTest::newRow("skip, WAV") << ExistingResults::Skip << 6 << QStringList{"song.wav"}
                               << QStringList{Mkdir, "skip song.wav", resultExists};
    QTest::newRow("skip, decode") << ExistingResults::Skip << -1 << QStringList{"song.wav"}
                                  << QStringList{Mkdir, "skip song.mp3", resultExists};
    // A WAV of the intermediate's name is no result of an encode, and is
    // left alone: the copy takes a hidden name of its own.
    const QString normalisePrivately = "run normalize.exe -m 90 -o /music/Zorvik/.song.marulo.wav /music/song.wav";
    QTest::newRow("skip, encode, only a copy there")
        << ExistingResults::Skip << 0 << QStringList{"song.wav"}
        << QStringList{Mkdir, normalisePrivately,
                       "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/.song.marulo.wav /music/Zorvik/song.mp3",
                       "remove /music/Zorvik/.song.marulo.wav"};
    QTest::newRow("number, encode") << ExistingResults::Number << 0 << QStringList{"song.mp3", "song (1).mp3", "song.wav"}
        << QStringList{Mkdir, normalisePrivately,
                       "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/.song.marulo.wav \"/music/Zorvik/song (2).mp3\"",
                       "remove /music/Zorvik/.song.marulo.wav"};
    QTest::newRow("number, WAV") << ExistingResults::Number << 6 << QStringList{"song.wav"}
        << QStringList{Mkdir, "run normalize.exe -m 90 -o \"/music/Zorvik/song (1).wav\" /music/song.wav"};
    QTest::newRow("number, decode") << ExistingResults::Number << -1 << QStringList{"song.wav"}
        << QStringList{Mkdir, "run lame.exe --decode /music/song.mp3 \"/music/Zorvik/song (1).wav\""};
    QTest::newRow("overwrite, encode") << ExistingResults::Overwrite << 0 << QStringList{"song.mp3"}
        << QStringList{Mkdir, normalise, "run lame.exe  -m j -b 128 -q 2  /music/Zorvik/song.wav /music/Zorvik/song.mp3",
                       "remove /music/Zorvik/song.wav"};
    // clang-format on
}

void ConversionJobTest::existingResults()
{
    QFETCH(ExistingResults, policy);
    QFETCH(int, mode);
    QFETCH(QStringList, earlier);
    QFETCH(QStringList, events);

    Rig rig(RunPolicy{1, policy});
    rig.window.decode = mode < 0;
    rig.window.mode = mode < 0 ? EncodeMode::Mp3 : EncodeMode(mode);
    rig.window.selected = mode < 0 ? "/music/song.mp3" : "/music/song.wav";
    for (const QString& file : earlier)
        rig.files.Write("/music/Zorvik/" + file.toStdString(), 10);
    rig.Single();
    QCOMPARE(rig.journal.events, events);
}

QTEST_GUILESS_MAIN(ConversionJobTest)
#include "tst_steps.moc"
