// What a run leaves for the user to read: the status bar after failures (and
// after a later press), and the run log the log window shows.
#include "tests/support/ConversionScene.h"

#include "launcher/ProgressScan.h"

using namespace marulo;
using namespace marulo::test;

namespace {

// "Single Encode" of one file whose lame.exe fails with that status.
bool PressWithFailingLame(ConversionScene& scene, const QString& file, const QByteArray& status)
{
    scene.makeFolder("music", {file});
    if (!scene.openWindow())
        return false;
    qputenv("MARULO_STANDIN_FAIL", "lame.exe=" + status);
    scene.select(file);
    scene.press("B1");
    return true;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void statusAfterFailures_data();
    void statusAfterFailures();
    void designedMessagesStay();
    void logAfterAFailure();
    void logFollowsTheRunningStep();
};

void ReportTest::statusAfterFailures_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("failing"); // the text the failing encoder lines hold
    QTest::addColumn<QString>("status");     // empty: the status bar as before the press

    QTest::newRow("none") << QByteArray() << QString();
    // The designed sentence, then the converter's own reason.
    const QString reason = " lame.exe: told to fail with status 2";
    QTest::newRow("one") << QByteArray("bad1")
                         << QString::fromUtf8(" lame.exe による bad1.wav の変換に失敗しました。") + reason;
    QTest::newRow("two") << QByteArray("bad")
                         << QString::fromUtf8(" 4 件中 2 件が失敗しました: lame.exe による bad1.wav の変換に失敗しました。") + reason;
    // clang-format on
}

// Then a press that goes well: the report gives way to the text the window's
// rules wrote last.
void ReportTest::statusAfterFailures()
{
    QFETCH(QByteArray, failing);
    QFETCH(QString, status);

    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "bad1.wav", "bad2.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    const QString before = scene.form->statusText();
    QVERIFY(!before.isEmpty());
    if (!failing.isEmpty()) {
        qputenv("MARULO_STANDIN_FAIL", "lame.exe=2");
        qputenv("MARULO_STANDIN_FAIL_MATCH", failing);
    }
    scene.press("B2");
    QCOMPARE(scene.form->statusText(), status.isEmpty() ? before : status);

    qunsetenv("MARULO_STANDIN_FAIL");
    scene.select("a.wav");
    scene.press("B1");
    QCOMPARE(scene.form->statusText(), before);
}

void ReportTest::designedMessagesStay()
{
    ConversionScene scene;
    QVERIFY(PressWithFailingLame(scene, "a.wav", "2"));
    QCOMPARE(scene.form->statusText(),
             QString::fromUtf8(" lame.exe による a.wav の変換に失敗しました。 lame.exe: told to fail with status 2"));
    scene.fileList()->clearSelection();
    scene.press("B1");
    QCOMPARE(scene.form->statusText(),
             QString::fromUtf8(" ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。"));
}

void ReportTest::logAfterAFailure()
{
    ConversionScene scene;
    QVERIFY(PressWithFailingLame(scene, "song.wav", "3"));

    const std::deque<LogEntry>& entries = scene.form->runLog().entries();
    QCOMPARE(entries.size(), std::size_t(2));
    const LogEntry& normalise = entries[0];
    QCOMPARE(normalise.converter, QString("normalize.exe"));
    QCOMPARE(normalise.outcome, QString("succeeded"));
    QVERIFY(!normalise.failed);
    QVERIFY(normalise.lastOutput.isEmpty());

    const LogEntry& encode = entries[1];
    const QString work = QDir(scene.folder).filePath("Zorvik/");
    QCOMPARE(encode.file, QString("song.wav"));
    QCOMPARE(encode.index, 1);
    QCOMPARE(encode.count, 1);
    QCOMPARE(encode.converter, QString("lame.exe"));
    QCOMPARE(encode.commandText, "lame.exe  -m j -b 128 -q 2  " + work + "song.wav " + work + "song.mp3");
    QCOMPARE(encode.program, QDir(QCoreApplication::applicationDirPath()).filePath("lame.exe"));
    QVERIFY(!encode.running);
    QVERIFY(encode.failed);
    QCOMPARE(encode.outcome, QString("exit status 3"));
    QCOMPARE(encode.lastOutput, QStringList{"lame.exe: told to fail with status 3"});
    QVERIFY(encode.started.isValid());

    const QString text = scene.form->runLog().toText();
    QVERIFY(text.contains("exit status 3"));
    QVERIFY(text.contains("told to fail with status 3"));
    QVERIFY(text.contains(encode.commandText));
}

// While b's encoder runs in a 3-file ALL Encode, the log's last entry is that
// step, running, as file 2 of 3; its share reaches the file list and the log.
void ReportTest::logFollowsTheRunningStep()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    ProgressScan probe;
    probe.feed("( 37%)|\n");
    const bool scans = probe.percent().has_value();
    qputenv("MARULO_STANDIN_MATCH", "b.mp3");
    qputenv("MARULO_STANDIN_PROGRESS", "lame.exe=50:2");
    LogEntry live;
    std::optional<double> rowShare;
    const QString b = QDir(scene.folder).filePath("b.wav");
    // MARULO_STANDIN_MATCH holds back b's encoder only, so a's passes the gate.
    scene.whileRunning(
        "lame.exe",
        [&] {
            // Let the progress lines (written before the gate) arrive.
            QTRY_VERIFY_WITH_TIMEOUT(!scans || scene.fileList()->progress(b) == 100.0, 5000);
            live = scene.form->runLog().entries().back();
            rowShare = scene.fileList()->progress(b);
        },
        2);
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QCOMPARE(live.file, QString("b.wav"));
    QCOMPARE(live.index, 2);
    QCOMPARE(live.count, 3);
    QCOMPARE(live.converter, QString("lame.exe"));
    QVERIFY(live.running);
    if (scans) {
        QCOMPARE(live.percent, std::optional<double>(100.0));
        QCOMPARE(rowShare, std::optional<double>(100.0));
    }
    // The row's share is cleared when the step ends.
    QCOMPARE(scene.fileList()->progress(b), std::nullopt);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
}

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
