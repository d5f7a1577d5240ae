// "Single Encode" and "ALL Encode" through the real window, with the stand-in
// converters doing the converting.
#include "tests/support/ConversionScene.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace marulo;
using namespace marulo::test;

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class ConversionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void noSelection();
    void emptyList();
    void allEncodeStartsAtTheFirstFile();
    void allEncodeOfOneFile();
    void decodeRunOverMp2AndMp3();
    void leavesBehind_data();
    void leavesBehind();
    void settingsReachTheCommandLine_data();
    void settingsReachTheCommandLine();
    void normalizeClearedWhileNormalising();
    void exitDuringAllEncode();
    void programEndsAfterTheConversion();
    void secondPressIsIgnored();
    void namesReachTheConverterWhole();
    void failingConverter_data();
    void failingConverter();
    void vanishedFileIsAFailedStep();
};

void ConversionWindowTest::noSelection()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav"});
    QVERIFY(scene.openWindow());
    scene.press("B1");
    QCOMPARE(scene.form->statusText(),
             Text(" ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。"));
    QCOMPARE(scene.workFiles(), QStringList{"(none)"});
    QVERIFY(scene.runs().isEmpty());
}

void ConversionWindowTest::emptyList()
{
    ConversionScene scene;
    scene.makeFolder("music", {"notes.txt"});
    QVERIFY(scene.openWindow());
    scene.press("B2");
    QCOMPARE(scene.form->statusText(), Text(" フォルダ内に有効なファイルがありません。*.wav "));
    QCOMPARE(scene.workFiles(), QStringList{"(none)"});
    QVERIFY(scene.runs().isEmpty());
}

void ConversionWindowTest::allEncodeStartsAtTheFirstFile()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    scene.select("b.wav");
    const QString before = scene.form->statusText();
    // The selection follows the walk: while a's normaliser runs, a is selected.
    QString selectedDuringA;
    scene.whileRunning("normalize.exe", [&] { selectedDuringA = scene.fileList()->selectedPath(); });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QCOMPARE(selectedDuringA, QDir(scene.folder).filePath("a.wav"));

    QCOMPARE(scene.converters(),
             (QStringList{"normalize.exe", "lame.exe", "normalize.exe", "lame.exe", "normalize.exe", "lame.exe"}));
    const QList<StandinRun> runs = scene.runs();
    for (int i = 0; i < 3; ++i) {
        const QString stem = QString(QChar('a' + i));
        QCOMPARE(runs[2 * i].inputOf(), QDir(scene.folder).filePath(stem + ".wav"));
        QCOMPARE(runs[2 * i + 1].inputOf(), scene.workFile(stem + ".wav"));
        QCOMPARE(runs[2 * i + 1].outputOf(), scene.workFile(stem + ".mp3"));
        QCOMPARE(runs[2 * i].cwd, QDir(scene.folder).canonicalPath());
    }
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    QCOMPARE(scene.fileList()->selectedPath(), QDir(scene.folder).filePath("c.wav"));
    QCOMPARE(scene.form->statusText(), before);
    QVERIFY(scene.inputsUnchanged());
    QVERIFY(!scene.form->conversionRunning());
}

void ConversionWindowTest::allEncodeOfOneFile()
{
    ConversionScene scene;
    scene.makeFolder("music", {"only.wav"});
    QVERIFY(scene.openWindow());
    scene.press("B2");
    QCOMPARE(scene.converters(), (QStringList{"normalize.exe", "lame.exe"}));
    QCOMPARE(scene.workFiles(), QStringList{"only.mp3"});
    QCOMPARE(scene.fileList()->selectedPath(), QDir(scene.folder).filePath("only.wav"));
    QVERIFY(scene.inputsUnchanged());
}

void ConversionWindowTest::decodeRunOverMp2AndMp3()
{
    ConversionScene scene;
    scene.makeFolder("music", {"song.mp2", "song.mp3", "song.wav"});
    QVERIFY(scene.openWindow());
    scene.control<QCheckBox>("CB0")->setChecked(true);
    QCOMPARE(scene.fileList()->listedPaths().size(), 2);
    scene.press("B2");
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(runs[i].name, QString("lame.exe"));
        QCOMPARE(runs[i].args.first(), QString("--decode"));
        QCOMPARE(runs[i].outputOf(), scene.workFile("song.wav"));
    }
    QCOMPARE(runs[0].inputOf(), QDir(scene.folder).filePath("song.mp2"));
    QCOMPARE(runs[1].inputOf(), QDir(scene.folder).filePath("song.mp3"));
    QVERIFY(runs[0].endNs <= runs[1].startNs);
    // The second decode wrote over the first.
    QFile decoded(scene.workFile("song.wav"));
    QVERIFY(decoded.open(QIODevice::ReadOnly));
    QVERIFY(decoded.readAll().contains(scene.inputs["song.mp3"]));
    QCOMPARE(scene.workFiles(), QStringList{"song.wav"});
    QVERIFY(scene.inputsUnchanged());
}

// What one "Single Encode" leaves in the work folder, through the window.
void ConversionWindowTest::leavesBehind_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<bool>("normalize");
    QTest::addColumn<bool>("deleteTemp");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("converters");
    QTest::addColumn<QStringList>("workFiles");

    QTest::newRow("decode MP3") << 0 << true << true << true << "song.mp3" << QStringList{"lame.exe"} << QStringList{"song.wav"};
    QTest::newRow("decode AAC mode, MP1") << 3 << true << true << true << "song.mp1" << QStringList{"lame.exe"} << QStringList{"song.wav"};
    QTest::newRow("decode FLAC") << 4 << true << true << true << "song.flac" << QStringList{"flac.exe"} << QStringList{"song.wav"};
    QTest::newRow("decode TTA") << 5 << true << true << true << "song.tta" << QStringList{"ttaenc.exe"} << QStringList{"song.wav"};
    const char* encoders[] = {"lame.exe", "toolame.exe", "oggenc.exe", "aacenc.exe", "flac.exe", "ttaenc.exe"};
    const char* extensions[] = {"mp3", "mp2", "ogg", "aac", "flac", "tta"};
    for (int mode = 0; mode < 6; ++mode) {
        const QString result = QString("song.") + extensions[mode];
        QTest::addRow("defaults, %s", extensions[mode]) << mode << false << true << true << "song.wav"
            << QStringList{"normalize.exe", encoders[mode]} << QStringList{result};
        QTest::addRow("keep the copy, %s", extensions[mode]) << mode << false << true << false << "song.wav"
            << QStringList{"normalize.exe", encoders[mode]} << QStringList{result, "song.wav"};
    }
    QTest::newRow("no normalise") << 0 << false << false << true << "song.wav" << QStringList{"lame.exe"} << QStringList{"song.mp3"};
    QTest::newRow("no normalise, upper-case name") << 0 << false << false << true << "SONG.WAV" << QStringList{"lame.exe"} << QStringList{"SONG.mp3"};
    QTest::newRow("WAV mode") << 6 << false << true << true << "song.wav" << QStringList{"normalize.exe"} << QStringList{"song.wav"};
    // clang-format on
}

void ConversionWindowTest::leavesBehind()
{
    QFETCH(int, mode);
    QFETCH(bool, decode);
    QFETCH(bool, normalize);
    QFETCH(bool, deleteTemp);
    QFETCH(QString, input);
    QFETCH(QStringList, converters);
    QFETCH(QStringList, workFiles);

    ConversionScene scene;
    scene.makeFolder("music", {input});
    QVERIFY(scene.openWindow());
    // An earlier result of the same name must survive a run that did not write it.
    if (!normalize) {
        QDir(scene.folder).mkdir("Zorvik");
        QFile earlier(scene.workFile("song.wav"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        workFiles << "song.wav";
        workFiles.sort();
    }
    scene.control<RadioGroup>("RG1")->setItemIndex(mode);
    scene.control<QCheckBox>("CB4")->setChecked(normalize);
    scene.control<QCheckBox>("CB6")->setChecked(deleteTemp);
    scene.control<QCheckBox>("CB0")->setChecked(decode);
    scene.select(input);
    QCOMPARE(scene.fileList()->selectedPath(), QDir(scene.folder).filePath(input));
    scene.press("B1");

    QCOMPARE(scene.converters(), converters);
    QCOMPARE(scene.workFiles(), workFiles);
    const StandinRun last = scene.runs().last();
    QCOMPARE(last.status, 0);
    if (!decode && !normalize)
        QCOMPARE(last.inputOf(), QDir(scene.folder).filePath(input));
    QVERIFY(scene.inputsUnchanged());
}

// The window's controls, read as shown, reach the converter's arguments.
void ConversionWindowTest::settingsReachTheCommandLine_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("setup"); // control=value; "CBn" checks, "-CBn" clears, "!CBn" disables
    QTest::addColumn<QStringList>("options");

    QTest::newRow("MP3 defaults") << 0 << QStringList{} << QStringList{"-m", "j", "-b", "128", "-q", "2"};
    QTest::newRow("typed bitrate, disabled but checked protection")
        << 0 << QStringList{"ComB1=100", "CB5", "!CB5"} << QStringList{"-p", "-m", "j", "-b", "100", "-q", "2"};
    QTest::newRow("MP2 mono downmix protection")
        << 1 << QStringList{"RB1", "CB9", "CB5"} << QStringList{"-e", "-b", "128", "-a", "-m", "m"};
    QTest::newRow("OGG VBR") << 2 << QStringList{"CB2", "ComB6=7.50"} << QStringList{"-q7.50"};
    QTest::newRow("AAC preset") << 3 << QStringList{"CB2", "ComB4=extreme"} << QStringList{"-extreme", "-if"};
    QTest::newRow("FLAC level") << 4 << QStringList{"E2=5"} << QStringList{"-5"};
    // clang-format on
}

void ConversionWindowTest::settingsReachTheCommandLine()
{
    QFETCH(int, mode);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, options);

    ConversionScene scene;
    scene.makeFolder("music", {"song.wav"});
    QVERIFY(scene.openWindow());
    scene.control<RadioGroup>("RG1")->setItemIndex(mode);
    scene.control<QLineEdit>("E1")->setText("75");
    for (const QString& step : setup) {
        const QStringList pair = step.split('=');
        const QByteArray name = pair[0].toLatin1();
        if (pair.size() == 2) {
            if (auto* combo = scene.control<QComboBox>(name.constData()))
                combo->setCurrentText(pair[1]);
            else
                scene.control<QLineEdit>(name.constData())->setText(pair[1]);
        } else if (name.startsWith('!')) {
            scene.control(name.mid(1).constData())->setEnabled(false);
        } else {
            scene.control<QAbstractButton>(name.constData())->setChecked(true);
        }
    }
    scene.select("song.wav");
    scene.press("B1");
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0].args.mid(0, 2), (QStringList{"-m", "75"}));
    QCOMPARE(runs[1].args.mid(0, options.size()), options);
}

void ConversionWindowTest::normalizeClearedWhileNormalising()
{
    ConversionScene scene;
    scene.makeFolder("music", {"song.wav"});
    QVERIFY(scene.openWindow());
    scene.select("song.wav");
    scene.whileRunning("normalize.exe", [&] { scene.control<QCheckBox>("CB4")->setChecked(false); });
    scene.press("B1");
    QVERIFY(scene.actionRan);
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(scene.converters(), (QStringList{"normalize.exe", "lame.exe"}));
    QCOMPARE(runs[1].inputOf(), QDir(scene.folder).filePath("song.wav"));
    // The copy this conversion wrote is still its own to remove.
    QCOMPARE(scene.workFiles(), QStringList{"song.mp3"});
    QVERIFY(scene.inputsUnchanged());
}

void ConversionWindowTest::exitDuringAllEncode()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    scene.exitWhileRunning("lame.exe");
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QVERIFY(scene.visibleAfterExit);
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 6);
    for (const StandinRun& run : runs)
        QCOMPARE(run.status, 0);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    // Then the window does close.
    QVERIFY(!scene.form->isVisible());
}

// The same as a whole program: its event loop ends after the last file.
void ConversionWindowTest::programEndsAfterTheConversion()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    qputenv("MARULO_STANDIN_GATE", ("lame.exe=" + scene.gate).toUtf8());
    QProcess program;
    program.setProgram(QDir(QCoreApplication::applicationDirPath()).filePath("conversion_exit_helper"));
    program.setArguments({scene.folder, scene.gate});
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QSignalSpy finished(&program, &QProcess::finished);
    program.start();
    QVERIFY(finished.wait(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QFile log(scene.log);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    qint64 lastEnd = 0, exitAt = 0;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.split(' ');
        if (words.first() == "end")
            lastEnd = std::max(lastEnd, words.value(2).toLongLong());
        else if (words.first() == "exit")
            exitAt = words.value(1).toLongLong();
    }
    QCOMPARE(scene.runs().size(), 6);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    QVERIFY(exitAt > 0);
    QVERIFY(lastEnd < exitAt);
}

void ConversionWindowTest::secondPressIsIgnored()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    scene.select("a.wav");
    scene.whileRunning("normalize.exe", [&] {
        scene.press("B2");
        scene.press("B1");
    });
    scene.press("B1");
    QVERIFY(scene.actionRan);
    QCOMPARE(scene.converters(), (QStringList{"normalize.exe", "lame.exe"}));
    QCOMPARE(scene.workFiles(), QStringList{"a.mp3"});
}

void ConversionWindowTest::namesReachTheConverterWhole()
{
    ConversionScene scene;
    const QString name = "-a \"quoted\"  曲 'x'.wav";
    scene.makeFolder("dir with blank 日本語", {name});
    QVERIFY(scene.openWindow());
    scene.select(name);
    scene.press("B1");
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 2);
    const QString input = QDir(scene.folder).filePath(name);
    const QString copy = scene.workFile(name);
    QCOMPARE(runs[0].args, (QStringList{"-m", "90", "-o", copy, input}));
    QCOMPARE(runs[1].args.mid(runs[1].args.size() - 2),
             (QStringList{copy, scene.workFile("-a \"quoted\"  曲 'x'.mp3")}));
    QCOMPARE(scene.workFiles(), QStringList{"-a \"quoted\"  曲 'x'.mp3"});
    QVERIFY(scene.inputsUnchanged());
}

void ConversionWindowTest::failingConverter_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("workFiles");

    // The designed sentence, then the converter's own last line.
    const QString encoderFailed = QString::fromUtf8(" lame.exe による song.wav の変換に失敗しました。");
    const QString normaliserFailed = QString::fromUtf8(" normalize.exe による song.wav の変換に失敗しました。");
    // The copy the normaliser wrote goes after the failed encoder too ("TMP
    // File Delete" is set): left there it would look like a result. The
    // earlier song.wav was never the copy's name, and stays.
    QTest::newRow("encoder status") << QByteArray("MARULO_STANDIN_FAIL") << QByteArray("lame.exe=3")
                                    << encoderFailed + " lame.exe: told to fail with status 3" << QStringList{"song.wav"};
    QTest::newRow("encoder crash") << QByteArray("MARULO_STANDIN_CRASH") << QByteArray("lame.exe") << encoderFailed
                                   << QStringList{"song.wav"};
    // The stale copy an earlier run left is not encoded.
    QTest::newRow("normaliser status") << QByteArray("MARULO_STANDIN_FAIL") << QByteArray("normalize.exe=1")
                                       << normaliserFailed + " normalize.exe: told to fail with status 1"
                                       << QStringList{"song.wav"};
    // clang-format on
}

void ConversionWindowTest::failingConverter()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, status);
    QFETCH(QStringList, workFiles);

    ConversionScene scene;
    scene.makeFolder("music", {"song.wav"});
    QVERIFY(scene.openWindow());
    QDir(scene.folder).mkdir("Zorvik");
    QFile stale(scene.workFile("song.wav"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    qputenv(variable.constData(), value);
    scene.select("song.wav");
    scene.press("B1");
    QCOMPARE(scene.form->statusText(), status);
    QCOMPARE(scene.workFiles(), workFiles);
    const bool normaliserFailed = value.startsWith("normalize");
    QCOMPARE(scene.converters().size(), normaliserFailed ? 1 : 2);
    QVERIFY(scene.inputsUnchanged());
}

void ConversionWindowTest::vanishedFileIsAFailedStep()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    scene.whileRunning("normalize.exe", [&] {
        QFile::remove(QDir(scene.folder).filePath("b.wav"));
        scene.inputs.remove("b.wav");
    });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QCOMPARE(scene.converters(),
             (QStringList{"normalize.exe", "lame.exe", "normalize.exe", "normalize.exe", "lame.exe"}));
    QCOMPARE(scene.form->statusText(), QString::fromUtf8(" normalize.exe による b.wav の変換に失敗しました。") +
                                           " normalize.exe: cannot open input " + QDir(scene.folder).filePath("b.wav"));
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "c.mp3"}));
    QVERIFY(scene.inputsUnchanged());
}

QTEST_MAIN(ConversionWindowTest)
#include "tst_window_runs.moc"
