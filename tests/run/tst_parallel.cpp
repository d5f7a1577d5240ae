// "ALL Encode" with several files at once, through the real window: each
// file's steps in order, files started in list order, files that could write
// one path never at the same time, and failures, Esc, presses and Exit as in
// a run of one file after another.
#include "tests/support/ConversionScene.h"

#include <QCheckBox>

#include <algorithm>

using namespace marulo;
using namespace marulo::test;

namespace {

// The stand-in runs of one input file, in the order they started.
QList<StandinRun> RunsOf(const QList<StandinRun>& runs, const QString& stem)
{
    QList<StandinRun> mine;
    for (const StandinRun& run : runs)
        if (QFileInfo(run.inputOf()).completeBaseName() == stem)
            mine << run;
    return mine;
}

bool Overlap(const StandinRun& a, const StandinRun& b)
{
    return a.startNs < b.endNs && b.startNs < a.endNs;
}

// The most converters that ran at one moment.
int MostAtOnce(const QList<StandinRun>& runs)
{
    int most = 0;
    for (const StandinRun& run : runs) {
        int atOnce = 0;
        for (const StandinRun& other : runs)
            atOnce += other.startNs <= run.startNs && run.startNs < other.endNs;
        most = std::max(most, atOnce);
    }
    return most;
}

void SetJobs(ConversionScene& scene, int jobs)
{
    RunPolicy policy = scene.form->runPolicy();
    policy.jobs = jobs;
    scene.form->setRunPolicy(policy);
}

// The window open on a folder of these files, converting two at once.
bool OpenWithTwoJobs(ConversionScene& scene, const QStringList& files)
{
    scene.makeFolder("music", files);
    if (!scene.openWindow())
        return false;
    SetJobs(scene, 2);
    return true;
}

} // namespace

class ParallelTest : public QObject {
    Q_OBJECT

private slots:
    void jobs_data();
    void jobs();
    void sameStemNeverOverlaps_data();
    void sameStemNeverOverlaps();
    void failureInOneRunningFile();
    void escStopsEveryRunningFile();
    void pressDuringTheRunIsIgnored();
    void exitDuringTheRun();
};

void ParallelTest::jobs_data()
{
    // clang-format off
    QTest::addColumn<int>("jobs");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("4") << 4;
    // clang-format on
}

void ParallelTest::jobs()
{
    QFETCH(int, jobs);

    ConversionScene scene;
    const QStringList stems{"a", "b", "c", "d", "e"};
    QStringList files;
    for (const QString& stem : stems)
        files << stem + ".wav";
    scene.makeFolder("music", files);
    QVERIFY(scene.openWindow());
    SetJobs(scene, jobs);
    qputenv("MARULO_STANDIN_SLEEP_MS", "*=150");
    scene.press("B2");

    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 10);
    for (const QString& stem : stems) {
        const QList<StandinRun> mine = RunsOf(runs, stem);
        QCOMPARE(mine.size(), 2);
        QCOMPARE(mine[0].name, QString("normalize.exe"));
        QCOMPARE(mine[1].name, QString("lame.exe"));
        QVERIFY(mine[0].endNs <= mine[1].startNs);
    }
    // Files start in list order: the log has every step in the order the
    // program started it (processes started together may record their own
    // start in any order).
    QStringList firstSteps;
    for (const LogEntry& entry : scene.form->runLog().entries())
        if (entry.converter == "normalize.exe")
            firstSteps << entry.file;
    QCOMPARE(firstSteps, files);
    QCOMPARE(MostAtOnce(runs), jobs);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"}));
    QCOMPARE(scene.fileList()->selectedPath(), QDir(scene.folder).filePath("e.wav"));
    QVERIFY(scene.inputsUnchanged());
}

void ParallelTest::sameStemNeverOverlaps_data()
{
    // clang-format off
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("workFiles");

    QTest::newRow("song.mp2 and song.mp3 decode to one name")
        << true << QStringList{"song.mp2", "song.mp3"} << QStringList{"song.wav"};
    QTest::newRow("a.wav and a.WAV normalise to one copy, b waits behind")
        << false << QStringList{"a.WAV", "a.wav", "b.wav"} << QStringList{"a.mp3", "b.mp3"};
    // clang-format on
}

// The later file waits, so the result is the one of a run of one file after
// another: the later file's.
void ParallelTest::sameStemNeverOverlaps()
{
    QFETCH(bool, decode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, workFiles);

    ConversionScene scene;
    scene.makeFolder("music", files);
    QVERIFY(scene.openWindow());
    SetJobs(scene, 4);
    scene.control<QCheckBox>("CB0")->setChecked(decode);
    qputenv("MARULO_STANDIN_SLEEP_MS", "*=150");
    scene.press("B2");

    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), decode ? 2 : 6);
    const auto stemOf = [](const StandinRun& run) { return QFileInfo(run.inputOf()).completeBaseName().toLower(); };
    for (qsizetype i = 0; i < runs.size(); ++i)
        for (qsizetype j = i + 1; j < runs.size(); ++j)
            if (stemOf(runs[i]) == stemOf(runs[j]))
                QVERIFY2(!Overlap(runs[i], runs[j]), qPrintable(runs[i].inputOf() + " / " + runs[j].inputOf()));
    // A file behind a waiting one waits too: b starts only after the first
    // file of the shared stem has ended.
    if (!decode) {
        QList<StandinRun> byStart = runs;
        std::sort(byStart.begin(), byStart.end(),
                  [](const StandinRun& x, const StandinRun& y) { return x.startNs < y.startNs; });
        QCOMPARE(byStart[1].name, QString("lame.exe")); // the first file's encoder
        QVERIFY(byStart[1].endNs <= RunsOf(runs, "b").first().startNs);
    }
    QCOMPARE(scene.workFiles(), workFiles);
    // The list's last file of that stem wrote last.
    const QString lastOfStem = scene.fileList()->listedPaths().value(files.size() - (decode ? 1 : 2));
    QFile result(scene.workFile(decode ? "song.wav" : "a.mp3"));
    QVERIFY(result.open(QIODevice::ReadOnly));
    QVERIFY(result.readAll().contains(scene.inputs[QFileInfo(lastOfStem).fileName()]));
}

void ParallelTest::failureInOneRunningFile()
{
    ConversionScene scene;
    QVERIFY(OpenWithTwoJobs(scene, {"a.wav", "b.wav", "c.wav", "d.wav"}));
    qputenv("MARULO_STANDIN_SLEEP_MS", "*=100");
    qputenv("MARULO_STANDIN_FAIL", "lame.exe=2");
    qputenv("MARULO_STANDIN_FAIL_MATCH", "b.mp3");
    scene.press("B2");
    QCOMPARE(scene.converters().size(), 8);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "c.mp3", "d.mp3"}));
    QCOMPARE(scene.form->statusText(),
             QString::fromUtf8(" lame.exe による b.wav の変換に失敗しました。 lame.exe: told to fail with status 2"));
}

void ParallelTest::escStopsEveryRunningFile()
{
    ConversionScene scene;
    QVERIFY(OpenWithTwoJobs(scene, {"a.wav", "b.wav", "c.wav", "d.wav"}));
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_PARTIAL", "lame.exe");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    scene.when(
        [](const QList<StandinRun>& runs) {
            int encoders = 0;
            for (const StandinRun& run : runs)
                encoders += run.name == "lame.exe" && run.childPid > 0;
            return encoders == 2;
        },
        [&] { QTest::keyClick(scene.fileList(), Qt::Key_Escape); });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 4); // a and b, two steps each; c and d never started
    // Killed processes take a moment to go; well within the second after Esc.
    for (const StandinRun& run : runs) {
        QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(run.pid), 500);
        QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(run.childPid), 500);
    }
    // Nothing was converted: the work folder this run made goes with it.
    QCOMPARE(scene.workFiles(), QStringList{"(none)"});
    QCOMPARE(scene.form->statusText(), QString::fromUtf8(" 変換を中止しました。4 件中 0 件を変換しました。"));
}

void ParallelTest::pressDuringTheRunIsIgnored()
{
    ConversionScene scene;
    QVERIFY(OpenWithTwoJobs(scene, {"a.wav", "b.wav", "c.wav"}));
    scene.whileRunning("lame.exe", [&] {
        scene.press("B2");
        scene.press("B1");
    });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QCOMPARE(scene.converters().size(), 6);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
}

void ParallelTest::exitDuringTheRun()
{
    ConversionScene scene;
    QVERIFY(OpenWithTwoJobs(scene, {"a.wav", "b.wav", "c.wav"}));
    scene.exitWhileRunning("lame.exe");
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QVERIFY(scene.visibleAfterExit);
    QCOMPARE(scene.converters().size(), 6);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    QVERIFY(!scene.form->isVisible());
}

QTEST_MAIN(ParallelTest)
#include "tst_parallel.moc"
