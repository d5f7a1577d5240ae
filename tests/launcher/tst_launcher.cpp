// The launcher against the stand-in converters placed beside this test.
#include "tests/support/StandinLog.h"

#include "core/CommandLine.h"
#include "launcher/ConverterProcess.h"
#include "launcher/ProgressScan.h"
#include "launcher/ToolLauncher.h"

#include <QtTest>

#include <csignal>
#include <string_view>

using namespace marulo;
using namespace marulo::test;

Q_DECLARE_METATYPE(marulo::RunOutcome::Kind)

namespace {

// Starts the line and carries the events until the converter has ended; the
// process object is the caller's, so a test can act on it meanwhile.
RunOutcome RunToEnd(ConverterProcess& process, const CommandLine& line, const std::function<void()>& whileRunning = {},
                    const QString& startupFolder = {})
{
    RunOutcome outcome;
    bool ended = false;
    QEventLoop loop;
    process.setOnFinished([&](const RunOutcome& result) {
        outcome = result;
        ended = true;
        loop.quit();
    });
    process.start(line, startupFolder);
    // The end is never reported from inside start().
    if (ended)
        return {RunOutcome::Kind::Crashed, -1, {"reported from inside start()"}};
    if (whileRunning)
        QTimer::singleShot(0, &loop, whileRunning);
    loop.exec();
    return outcome;
}

RunOutcome RunToEnd(const CommandLine& line)
{
    ConverterProcess process;
    return RunToEnd(process, line);
}

// "lame.exe", the options, then in.wav and out.mp3 of the folder.
CommandLine LameLine(const QString& folder, std::string_view options = {})
{
    CommandLine line;
    line.appendText("lame.exe ")
        .appendText(options)
        .appendPath(QDir(folder).filePath("in.wav").toStdString())
        .appendText(" ")
        .appendPath(QDir(folder).filePath("out.mp3").toStdString());
    return line;
}

} // namespace

class ToolLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void outcomes_data();
    void outcomes();
    void notFound();
    void failedToStart();
    void searchOrder();
    void installedFolderIsBesideBin();
    void runsInTheCurrentFolderWithArgumentsWhole();
    void talkativeConverterDoesNotStall();
    void standardInputIsClosed();
    void keepsWindowEventsFlowing();
    void stopEndsTheWholeGroup();
    void stopKillsAConverterThatIgnoresTerm();
    void progressIsThrottled();

private:
    QString writeScript(const QString& folder, const QString& name, const QByteArray& body);

    QTemporaryDir work_;
    QString log_;
    QString oldCurrent_;
};

void ToolLauncherTest::init()
{
    for (const char* name :
         {"MARULO_STANDIN_SLEEP_MS", "MARULO_STANDIN_GATE", "MARULO_STANDIN_FAIL", "MARULO_STANDIN_FAIL_MATCH",
          "MARULO_STANDIN_CRASH", "MARULO_STANDIN_CHATTER", "MARULO_STANDIN_PROGRESS", "MARULO_STANDIN_PARTIAL",
          "MARULO_STANDIN_TERM", "MARULO_STANDIN_CHILD", "MARULO_STANDIN_FAULT", "MARULO_STANDIN_MATCH"})
        qunsetenv(name);
    QVERIFY(work_.isValid());
    static int runs = 0;
    log_ = work_.filePath(QString("log-%1.txt").arg(++runs));
    qputenv("MARULO_STANDIN_LOG", log_.toUtf8());
    oldCurrent_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_.path()));
    QFile input(work_.filePath("in.wav"));
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write("RIFF....WAVE");
}

void ToolLauncherTest::cleanup()
{
    QDir::setCurrent(oldCurrent_);
}

QString ToolLauncherTest::writeScript(const QString& folder, const QString& name, const QByteArray& body)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

void ToolLauncherTest::outcomes_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<RunOutcome::Kind>("kind");
    QTest::addColumn<int>("status");

    QTest::newRow("succeeds") << QByteArray("MARULO_STANDIN_CHATTER") << QByteArray("lame.exe=3")
                              << RunOutcome::Kind::Succeeded << 0;
    QTest::newRow("non-zero status") << QByteArray("MARULO_STANDIN_FAIL") << QByteArray("lame.exe=7")
                                     << RunOutcome::Kind::ExitedWithStatus << 7;
    QTest::newRow("crash") << QByteArray("MARULO_STANDIN_CRASH") << QByteArray("lame.exe")
                           << RunOutcome::Kind::Crashed << 0;
    // clang-format on
}

void ToolLauncherTest::outcomes()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(RunOutcome::Kind, kind);
    QFETCH(int, status);

    qputenv(variable.constData(), value);
    const RunOutcome outcome = RunToEnd(LameLine(work_.path(), " -b 128  "));
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(outcome.exitStatus, status);
    if (kind == RunOutcome::Kind::ExitedWithStatus) {
        QVERIFY(!outcome.lastOutput.empty());
        QVERIFY(QString::fromStdString(outcome.lastOutput.back()).contains("told to fail"));
    }
    QCOMPARE(ReadStandinLog(log_).size(), 1);
}

void ToolLauncherTest::notFound()
{
    CommandLine line;
    line.appendText("nosuchconverter.exe -x");
    QCOMPARE(RunToEnd(line).kind, RunOutcome::Kind::NotFound);
    // A name with a folder is not looked up at all.
    QVERIFY(ToolLauncher::Locate("/bin/sh", "/").isEmpty());
    QVERIFY(ToolLauncher::Locate("", "/bin").isEmpty());
}

void ToolLauncherTest::failedToStart()
{
    // Executable by its mode, but no program the system can start.
    writeScript(work_.path(), "broken.exe",
                QByteArray("\x7f"
                           "ELF garbage",
                           12));
    CommandLine line;
    line.appendText("broken.exe");
    ConverterProcess process;
    QCOMPARE(RunToEnd(process, line, {}, work_.path()).kind, RunOutcome::Kind::FailedToStart);
}

void ToolLauncherTest::searchOrder()
{
    const QString script = "#!/bin/sh\nexit 0\n";
    const QString startup = work_.filePath("startup");
    const QString onPath = work_.filePath("onpath");
    // The program's own folder wins over the start-up folder.
    writeScript(startup, "lame.exe", script.toUtf8());
    QCOMPARE(ToolLauncher::Locate("lame.exe", startup),
             QDir(QCoreApplication::applicationDirPath()).filePath("lame.exe"));

    // The start-up folder wins over the search path; the current folder, the
    // one the user opened, is never looked in, not even through a "." or an
    // empty entry of the search path.
    writeScript(onPath, "both.exe", script.toUtf8());
    writeScript(onPath, "pathonly.exe", script.toUtf8());
    const QString inStartup = writeScript(startup, "both.exe", script.toUtf8());
    writeScript(work_.path(), "pathonly.exe", script.toUtf8());
    writeScript(work_.path(), "opened.exe", script.toUtf8());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", ".::" + onPath.toUtf8() + ':' + oldPath);
    const QString both = ToolLauncher::Locate("both.exe", startup);
    const QString pathOnly = ToolLauncher::Locate("pathonly.exe", startup);
    const QString opened = ToolLauncher::Locate("opened.exe", startup);
    const QString noStartup = ToolLauncher::Locate("opened.exe", QString());
    const QString relativeStartup = ToolLauncher::Locate("opened.exe", ".");
    // A file without the executable mark is passed over.
    QFile plain(QDir(startup).filePath("plain.exe"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString notRunnable = ToolLauncher::Locate("plain.exe", startup);
    qputenv("PATH", oldPath);
    QCOMPARE(both, inStartup);
    QCOMPARE(pathOnly, QDir(onPath).filePath("pathonly.exe"));
    QVERIFY(opened.isEmpty());
    QVERIFY(noStartup.isEmpty());
    QVERIFY(relativeStartup.isEmpty());
    QVERIFY(notRunnable.isEmpty());
}

void ToolLauncherTest::installedFolderIsBesideBin()
{
    // bin/marulo looks in libexec/marulo of the same prefix.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QCOMPARE(ToolLauncher::InstalledConverterFolder(),
             QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral("../libexec/marulo"))));
}

void ToolLauncherTest::runsInTheCurrentFolderWithArgumentsWhole()
{
    const QString folder = work_.filePath("a folder \"with\" 日本語");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir::setCurrent(folder));
    QFile::copy(work_.filePath("in.wav"), QDir(folder).filePath("-in put.wav"));
    const QString input = QDir(folder).filePath("-in put.wav");
    const QString output = QDir(folder).filePath("out\\put.wav");
    CommandLine line;
    line.appendText("normalize.exe -m 90 -o ")
        .appendPath(output.toStdString())
        .appendText(" ")
        .appendPath(input.toStdString());
    QVERIFY(RunToEnd(line).succeeded());
    const QList<StandinRun> runs = ReadStandinLog(log_);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].cwd, QDir(folder).canonicalPath());
    QCOMPARE(runs[0].args, (QStringList{"-m", "90", "-o", output, input}));
    QVERIFY(QFileInfo::exists(output));
}

void ToolLauncherTest::talkativeConverterDoesNotStall()
{
    // Far more than any pipe holds.
    qputenv("MARULO_STANDIN_CHATTER", "lame.exe=200000");
    const RunOutcome outcome = RunToEnd(LameLine(work_.path()));
    QVERIFY(outcome.succeeded());
    QVERIFY(QString::fromStdString(outcome.lastOutput.back()).contains("wrote"));
}

void ToolLauncherTest::standardInputIsClosed()
{
    // cat copies its input until the end: with an open pipe it would never end.
    CommandLine line;
    line.appendText("cat");
    QVERIFY(RunToEnd(line).succeeded());
}

void ToolLauncherTest::keepsWindowEventsFlowing()
{
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=300");
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QVERIFY(RunToEnd(LameLine(work_.path())).succeeded());
    QVERIFY2(ticks > 3, QByteArray::number(ticks));
}

// The converter and the child it started share their own group: one stop
// reaches both, and neither outlives the stop by more than a moment.
void ToolLauncherTest::stopEndsTheWholeGroup()
{
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    ConverterProcess process;
    QElapsedTimer sinceStop;
    const RunOutcome outcome = RunToEnd(process, LameLine(work_.path()), [&] {
        QTRY_VERIFY(!ReadStandinLog(log_).isEmpty() && ReadStandinLog(log_).first().childPid > 0);
        sinceStop.start();
        process.stop();
    });
    QCOMPARE(outcome.kind, RunOutcome::Kind::Stopped);
    const StandinRun run = ReadStandinLog(log_).first();
    QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(run.childPid), 1000);
    QVERIFY(ProcessGone(run.pid));
    QCOMPARE(run.endNs, -1); // it never got to finish its work
}

void ToolLauncherTest::stopKillsAConverterThatIgnoresTerm()
{
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_TERM", "lame.exe=ignore");
    ConverterProcess process;
    QElapsedTimer sinceStop;
    const RunOutcome outcome = RunToEnd(process, LameLine(work_.path()), [&] {
        QTRY_VERIFY(!ReadStandinLog(log_).isEmpty());
        sinceStop.start();
        process.stop();
    });
    const qint64 took = sinceStop.elapsed();
    QCOMPARE(outcome.kind, RunOutcome::Kind::Stopped);
    // It was asked first, and ended only by the kill that follows.
    QTRY_VERIFY(ReadStandinLog(log_).first().termIgnored);
    QVERIFY2(took >= 1500, QByteArray::number(took));
    QVERIFY(ProcessGone(ReadStandinLog(log_).first().pid));
}

void ToolLauncherTest::progressIsThrottled()
{
    ProgressScan probe;
    probe.feed("( 37%)|\n");
    if (!probe.percent())
        QSKIP("the progress scan reads nothing yet");
    // 100 lines, one every 2 ms: about 0.2 s of progress, so at most three
    // reports besides the last.
    qputenv("MARULO_STANDIN_PROGRESS", "lame.exe=100:2");
    ConverterProcess process;
    QList<double> reports;
    process.setOnProgress([&](double percent) { reports << percent; });
    QElapsedTimer run;
    run.start();
    QVERIFY(RunToEnd(process, LameLine(work_.path())).succeeded());
    QVERIFY(!reports.isEmpty());
    QCOMPARE(reports.last(), 100.0);
    QVERIFY2(reports.size() <= run.elapsed() / ConverterProcess::ProgressIntervalMs + 2,
             QByteArray::number(reports.size()));
}

QTEST_MAIN(ToolLauncherTest)
#include "tst_launcher.moc"
