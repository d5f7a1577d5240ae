// Esc during a run, through the real window: every converter of the run goes
// (its whole process group), nothing further starts, nothing half-written is
// left, and the status bar says how far the run came.
#include "tests/support/ConversionScene.h"

#include "ui/log/LogWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableView>

using namespace marulo;
using namespace marulo::test;

namespace {

// b's encoder, the second file's second step, has started (and with it the
// child it keeps in its group).
bool BEncoding(const QList<StandinRun>& runs)
{
    const StandinRun* run = ConversionScene::find(runs, "lame.exe", "b.mp3");
    return run && run->childPid > 0;
}

} // namespace

class StopTest : public QObject {
    Q_OBJECT

private slots:
    void escStopsTheSecondOfThreeFiles();
    void escKillsAConverterThatIgnoresTerm();
    void escWhileIdleDoesNothing();
    void escInAnOpenDropDownClosesItOnly();
    void exitDuringARunThenEsc();
    void escInTheLogWindowStopsTheRun();
    void stopBeforeAnyResult_data();
    void stopBeforeAnyResult();
};

void StopTest::escStopsTheSecondOfThreeFiles()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    qputenv("MARULO_STANDIN_MATCH", "b.mp3");
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_PARTIAL", "lame.exe");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    QElapsedTimer sinceEsc;
    bool partialWasThere = false;
    scene.when(BEncoding, [&] {
        partialWasThere = QFileInfo::exists(scene.workFile("b.mp3"));
        sinceEsc.start();
        QTest::keyClick(scene.fileList(), Qt::Key_Escape);
    });
    scene.press("B2");
    const qint64 stoppedAfter = sinceEsc.elapsed();
    QVERIFY(scene.actionRan);
    QVERIFY(partialWasThere);

    const QList<StandinRun> runs = scene.runs();
    const StandinRun* b = ConversionScene::find(runs, "lame.exe", "b.mp3");
    QVERIFY2(stoppedAfter < 1000, QByteArray::number(stoppedAfter));
    // A killed process takes a moment to go; well within the second after Esc.
    QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(b->pid), int(1000 - sinceEsc.elapsed()));
    QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(b->childPid), int(1000 - sinceEsc.elapsed()));
    QCOMPARE(scene.converters(), (QStringList{"normalize.exe", "lame.exe", "normalize.exe", "lame.exe"}));
    // b's half result and its normalised copy are gone; a's result stays.
    QCOMPARE(scene.workFiles(), QStringList{"a.mp3"});
    QCOMPARE(scene.form->statusText(), QString::fromUtf8(" 変換を中止しました。3 件中 1 件を変換しました。"));
    QVERIFY(scene.inputsUnchanged());
    QVERIFY(!scene.form->conversionRunning());
    const LogEntry& last = scene.form->runLog().entries().back();
    QCOMPARE(last.file, QString("b.wav"));
    QCOMPARE(last.outcome, QString("stopped by the user"));
}

void StopTest::escKillsAConverterThatIgnoresTerm()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav"});
    QVERIFY(scene.openWindow());
    QDir(scene.folder).mkdir("Zorvik");
    QFile earlier(scene.workFile("a.mp3"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier result");
    earlier.close();
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_TERM", "lame.exe=ignore");
    qputenv("MARULO_STANDIN_PARTIAL", "lame.exe");
    scene.select("a.wav");
    QElapsedTimer sinceEsc;
    scene.when([](const QList<StandinRun>& runs) { return ConversionScene::find(runs, "lame.exe", "a.mp3"); },
               [&] {
                   sinceEsc.start();
                   QTest::keyClick(scene.fileList(), Qt::Key_Escape);
               });
    scene.press("B1");
    const qint64 stoppedAfter = sinceEsc.elapsed();
    QVERIFY(scene.actionRan);
    const StandinRun run = scene.runs().last();
    QVERIFY(run.termIgnored);
    QVERIFY(ProcessGone(run.pid));
    // Asked with SIGTERM first, killed two seconds later.
    QVERIFY2(stoppedAfter >= 1500, QByteArray::number(stoppedAfter));
    // The step wrote over the earlier result: what it left is no result.
    QCOMPARE(scene.workFiles(), QStringList{});
    QVERIFY(scene.form->statusText().contains(QString::fromUtf8("中止")));
}

void StopTest::escWhileIdleDoesNothing()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav"});
    QVERIFY(scene.openWindow());
    scene.form->setStatusText(" before");
    QTest::keyClick(scene.fileList(), Qt::Key_Escape);
    QTest::keyClick(scene.form.get(), Qt::Key_Escape);
    QCOMPARE(scene.form->statusText(), QString(" before"));
    QVERIFY(scene.form->isVisible());
    scene.select("a.wav");
    scene.press("B1");
    QCOMPARE(scene.workFiles(), QStringList{"a.mp3"});
}

void StopTest::escInAnOpenDropDownClosesItOnly()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    const QString before = scene.form->statusText();
    auto* combo = scene.control<QComboBox>("ComB1");
    bool popupWasOpen = false;
    bool popupClosed = false;
    scene.whileRunning("lame.exe", [&] {
        combo->showPopup();
        QWidget* popup = QApplication::activePopupWidget();
        popupWasOpen = popup != nullptr;
        if (popup)
            QTest::keyClick(popup, Qt::Key_Escape);
        popupClosed = QApplication::activePopupWidget() == nullptr;
    });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QVERIFY(popupWasOpen);
    QVERIFY(popupClosed);
    // The run went on to its end.
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3"}));
    QCOMPARE(scene.form->statusText(), before);
}

void StopTest::exitDuringARunThenEsc()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    qputenv("MARULO_STANDIN_MATCH", "b.mp3");
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    QString afterExit;
    bool visibleAfterExit = false;
    scene.when(BEncoding, [&] {
        scene.press("B3");
        afterExit = scene.form->statusText();
        visibleAfterExit = scene.form->isVisible();
        QTest::keyClick(scene.fileList(), Qt::Key_Escape);
    });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QCOMPARE(afterExit, QString::fromUtf8(" 変換が終わり次第終了します。すぐに中止するには Esc キーを押して下さい。"));
    QVERIFY(visibleAfterExit);
    QVERIFY(!scene.form->isVisible());
    QCOMPARE(scene.converters().size(), 4);
    QCOMPARE(scene.workFiles(), QStringList{"a.mp3"});
}

// Esc in the log window stops the run as in the main window, and the log
// window stays; the next Esc, with no run, closes it.
void StopTest::escInTheLogWindowStopsTheRun()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    qputenv("MARULO_STANDIN_SLEEP_MS", "normalize.exe=60000");
    LogWindow* log = nullptr;
    bool logActive = false;
    scene.when([](const QList<StandinRun>& runs) { return !runs.isEmpty(); },
               [&] {
                   scene.form->showRunLog();
                   log = scene.form->findChild<LogWindow*>(QStringLiteral("LogWindow"));
                   logActive = QTest::qWaitFor([&] { return QApplication::activeWindow() == log; });
                   QTest::keyClick(log->view(), Qt::Key_Escape);
               });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QVERIFY(logActive);
    QCOMPARE(scene.converters(), QStringList{"normalize.exe"});
    QCOMPARE(scene.form->statusText(), QString::fromUtf8(" 変換を中止しました。2 件中 0 件を変換しました。"));
    QVERIFY(log->isVisible());
    QVERIFY(scene.form->isVisible());
    QTest::keyClick(log->view(), Qt::Key_Escape);
    QVERIFY(!log->isVisible());
}

void StopTest::stopBeforeAnyResult_data()
{
    QTest::addColumn<bool>("folderBefore");
    QTest::addColumn<QStringList>("workFiles");
    QTest::newRow("the run made the work folder") << false << QStringList{"(none)"};
    QTest::newRow("the work folder was there") << true << QStringList{};
}

// Exit, then Esc while the first file's normaliser runs: the program ends
// with the run, and an empty work folder made by this run only to be
// stopped goes with it.
void StopTest::stopBeforeAnyResult()
{
    QFETCH(bool, folderBefore);
    QFETCH(QStringList, workFiles);
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav"});
    QVERIFY(scene.openWindow());
    if (folderBefore)
        QDir(scene.folder).mkdir("Zorvik");
    qputenv("MARULO_STANDIN_SLEEP_MS", "normalize.exe=60000");
    scene.when([](const QList<StandinRun>& runs) { return !runs.isEmpty(); },
               [&] {
                   scene.press("B3");
                   QTest::keyClick(scene.fileList(), Qt::Key_Escape);
               });
    scene.press("B2");
    QVERIFY(scene.actionRan);
    QVERIFY(!scene.form->isVisible());
    QCOMPARE(scene.converters(), QStringList{"normalize.exe"});
    QCOMPARE(scene.workFiles(), workFiles);
}

QTEST_MAIN(StopTest)
#include "tst_stop.moc"
