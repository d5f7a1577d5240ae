// The normalise step by loudness, from the settings file, through the real
// window with the stand-in converters: the command lines of each method, and
// the album run's measuring step, its failure and its stop.
#include "tests/support/ConversionScene.h"

#include "launcher/RunLog.h"

using namespace marulo;
using namespace marulo::test;

namespace {

// The settings file the window reads at its start; no text, no file.
void WriteSettings(ConversionScene& scene, const QString& text)
{
    const QString config = scene.root.filePath("config");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    if (text.isEmpty())
        return;
    QDir().mkpath(config + "/marulo");
    QFile file(config + "/marulo/marulo.conf");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// The normaliser's runs in order, as "<options> OUT IN" with the folder
// written F and the work folder W.
QStringList NormalizeLines(const ConversionScene& scene)
{
    QStringList lines;
    for (const StandinRun& run : scene.runs())
        if (run.name == "normalize.exe")
            lines << run.args.join(' ').replace(scene.folder + "/Zorvik", "W").replace(scene.folder, "F");
    return lines;
}

const char* const AlbumSettings = "[normalize]\nmethod=album\n";

} // namespace

class LoudnessTest : public QObject {
    Q_OBJECT

private slots:
    void commandLines_data();
    void commandLines();
    void albumRunMeasuresFirst();
    void failedMeasureConvertsNothing_data();
    void failedMeasureConvertsNothing();
    void stopWhileMeasuring();
};

void LoudnessTest::commandLines_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("measured"); // what the measuring step prints; empty: the stand-in's own line
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("lines");

    const QString peak = "-m 90 -o W/%1.wav F/%1.wav";
    const QString measure = "--measure --list W/.marulo-album.txt";
    // clang-format off
    QTest::newRow("no settings file") << "" << "" << "B2" << QStringList{peak.arg("a"), peak.arg("b")};
    QTest::newRow("peak") << "[normalize]\nmethod=peak\nloudness=-23\n" << "" << "B2"
                          << QStringList{peak.arg("a"), peak.arg("b")};
    QTest::newRow("unknown method") << "[normalize]\nmethod=ebu\n" << "" << "B2"
                                    << QStringList{peak.arg("a"), peak.arg("b")};
    QTest::newRow("loudness, defaults") << "[normalize]\nmethod=loudness\n" << "" << "B2"
        << QStringList{"-l -16 -t -1 -o W/a.wav F/a.wav", "-l -16 -t -1 -o W/b.wav F/b.wav"};
    QTest::newRow("loudness, set") << "[normalize]\nmethod=loudness\nloudness=-23\ntruePeak=-2.5\n" << "" << "B2"
        << QStringList{"-l -23 -t -2.5 -o W/a.wav F/a.wav", "-l -23 -t -2.5 -o W/b.wav F/b.wav"};
    QTest::newRow("loudness, out of range") << "[normalize]\nmethod=loudness\nloudness=0\ntruePeak=-9.5\n" << "" << "B2"
        << QStringList{"-l -16 -t -1 -o W/a.wav F/a.wav", "-l -16 -t -1 -o W/b.wav F/b.wav"};
    QTest::newRow("album, target reached") << "[normalize]\nmethod=album\n"
        << "integrated -23.4 LUFS true-peak -12.00 dBTP" << "B2"
        << QStringList{measure, "-g 7.4 -o W/a.wav F/a.wav", "-g 7.4 -o W/b.wav F/b.wav"};
    QTest::newRow("album, ceiling holds") << "[normalize]\nmethod=album\nloudness=-14\n"
        << "integrated -23.4 LUFS true-peak -6.13 dBTP" << "B2"
        << QStringList{measure, "-g 5.13 -o W/a.wav F/a.wav", "-g 5.13 -o W/b.wav F/b.wav"};
    QTest::newRow("album, quieter") << "[normalize]\nmethod=album\nloudness=-23\ntruePeak=-2\n"
        << "integrated -9.0 LUFS true-peak 0.50 dBTP" << "B2"
        << QStringList{measure, "-g -14 -o W/a.wav F/a.wav", "-g -14 -o W/b.wav F/b.wav"};
    QTest::newRow("album, single encode") << "[normalize]\nmethod=album\n" << "" << "B1"
                                          << QStringList{"-l -16 -t -1 -o W/a.wav F/a.wav"};
    // clang-format on
}

void LoudnessTest::commandLines()
{
    QFETCH(QString, settings);
    QFETCH(QString, measured);
    QFETCH(QString, button);
    QFETCH(QStringList, lines);

    ConversionScene scene;
    WriteSettings(scene, settings);
    if (!measured.isEmpty())
        qputenv("MARULO_STANDIN_MEASURE", measured.toUtf8());
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    scene.select("a.wav");
    scene.press(button.toLatin1().constData());
    QCOMPARE(NormalizeLines(scene), lines);
    QCOMPARE(scene.workFiles(), button == "B1" ? QStringList{"a.mp3"} : (QStringList{"a.mp3", "b.mp3"}));
}

// The measuring step comes first and alone, over every file of the press
// through a list that is gone afterwards; the files then run two at once, and
// the log shows the album's gain with the step and with each file.
void LoudnessTest::albumRunMeasuresFirst()
{
    ConversionScene scene;
    WriteSettings(scene, "[conversion]\njobs=2\n[normalize]\nmethod=album\n");
    qputenv("MARULO_STANDIN_MEASURE", "integrated -19.5 LUFS true-peak -8.00 dBTP");
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    scene.press("B2");

    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 7);
    const StandinRun& measure = runs.first();
    QCOMPARE(measure.args.mid(0, 2), (QStringList{"--measure", "--list"}));
    QCOMPARE(measure.listed, (QStringList{scene.folder + "/a.wav", scene.folder + "/b.wav", scene.folder + "/c.wav"}));
    for (const StandinRun& run : runs.mid(1))
        QVERIFY(run.startNs > measure.endNs);
    QVERIFY(!QFile::exists(scene.workFile(".marulo-album.txt")));
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));

    const auto& entries = scene.form->runLog().entries();
    QCOMPARE(entries.front().commandText, "normalize.exe --measure --list " + scene.workFile(".marulo-album.txt"));
    QCOMPARE(entries.front().outcome, "succeeded, gain 3.5 dB");
    QCOMPARE(entries.front().file, QString::fromUtf8("(アルバムの音量測定)"));
    int normalised = 0;
    for (const LogEntry& entry : entries)
        if (entry.commandText.contains(" -g 3.5 -o ")) {
            QCOMPARE(entry.outcome, "succeeded, gain 3.5 dB");
            ++normalised;
        }
    QCOMPARE(normalised, 3);
}

void LoudnessTest::failedMeasureConvertsNothing_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("exit status") << QByteArray("MARULO_STANDIN_FAIL") << QByteArray("normalize.exe=3")
                                 << "exit status 3";
    QTest::newRow("no loudness printed") << QByteArray("MARULO_STANDIN_MEASURE") << QByteArray("measured nothing")
                                         << "wrote no result";
}

// No file is normalised with a guessed gain: nothing runs after the failed
// step, and the run says why.
void LoudnessTest::failedMeasureConvertsNothing()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, outcome);

    ConversionScene scene;
    WriteSettings(scene, AlbumSettings);
    qputenv(variable.constData(), value);
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    scene.press("B2");

    QCOMPARE(scene.converters(), QStringList{"normalize.exe"});
    QCOMPARE(scene.form->statusText(),
             QString::fromUtf8(" アルバムの音量を測定できなかったため、変換しませんでした。"));
    QCOMPARE(scene.form->runLog().entries().back().outcome, outcome);
    QVERIFY(scene.form->runLog().entries().back().failed);
    QCOMPARE(scene.workFiles(), QStringList{});
    QVERIFY(!QFile::exists(scene.workFile(".marulo-album.txt")));
    qunsetenv(variable.constData());
}

void LoudnessTest::stopWhileMeasuring()
{
    ConversionScene scene;
    WriteSettings(scene, AlbumSettings);
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    scene.whileRunning("normalize.exe", [&] { QTest::keyClick(scene.fileList(), Qt::Key_Escape); });
    scene.press("B2");

    QVERIFY(scene.actionRan);
    QCOMPARE(scene.converters(), QStringList{"normalize.exe"});
    QCOMPARE(scene.form->runLog().entries().back().outcome, "stopped by the user");
    QCOMPARE(scene.form->statusText(), QString::fromUtf8(" 変換を中止しました。2 件中 0 件を変換しました。"));
    QCOMPARE(scene.workFiles(), QStringList{"(none)"});
}

QTEST_MAIN(LoudnessTest)
#include "tst_loudness.moc"
