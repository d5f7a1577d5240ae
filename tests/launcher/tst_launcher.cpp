// The launcher against the stand-in converters placed beside this test.
#include "tests/support/StandinLog.h"

#include "core/CommandLine.h"
#include "launcher/ToolLauncher.h"

#include <QtTest>

using namespace marulo;
using namespace marulo::test;

Q_DECLARE_METATYPE(marulo::RunOutcome::Kind)

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

private:
    QString writeScript(const QString& folder, const QString& name, const QByteArray& body);

    QTemporaryDir work_;
    QString log_;
    QString oldCurrent_;
};

void ToolLauncherTest::init()
{
    for (const char* name : {"MARULO_STANDIN_SLEEP_MS", "MARULO_STANDIN_GATE", "MARULO_STANDIN_FAIL",
                             "MARULO_STANDIN_FAIL_MATCH", "MARULO_STANDIN_CRASH", "MARULO_STANDIN_CHATTER"})
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

void ToolLauncherTest::cleanup() { QDir::setCurrent(oldCurrent_); }

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
}

void ToolLauncherTest::outcomes()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(RunOutcome::Kind, kind);
    QFETCH(int, status);

    qputenv(variable.constData(), value);
    ToolLauncher launcher;
    CommandLine line;
    line.appendText("lame.exe  -b 128  ").appendPath(work_.filePath("in.wav").toStdString()).appendText(" ").appendPath(work_.filePath("out.mp3").toStdString());
    const RunOutcome outcome = launcher.RunToolAndWait(line);
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
    ToolLauncher launcher;
    CommandLine line;
    line.appendText("nosuchconverter.exe -x");
    QCOMPARE(launcher.RunToolAndWait(line).kind, RunOutcome::Kind::NotFound);
    // A name with a folder is not looked up at all.
    QVERIFY(ToolLauncher::Locate("/bin/sh").isEmpty());
    QVERIFY(ToolLauncher::Locate("").isEmpty());
}

void ToolLauncherTest::failedToStart()
{
    // Executable by its mode, but no program the system can start.
    writeScript(work_.path(), "broken.exe", QByteArray("\x7f" "ELF garbage", 12));
    ToolLauncher launcher;
    CommandLine line;
    line.appendText("broken.exe");
    QCOMPARE(launcher.RunToolAndWait(line).kind, RunOutcome::Kind::FailedToStart);
}

void ToolLauncherTest::searchOrder()
{
    // The program's own folder wins over the current folder.
    writeScript(work_.path(), "lame.exe", "#!/bin/sh\nexit 0\n");
    QCOMPARE(ToolLauncher::Locate("lame.exe"), QDir(QCoreApplication::applicationDirPath()).filePath("lame.exe"));

    // The current folder wins over the search path.
    const QString onPath = work_.filePath("onpath");
    writeScript(onPath, "both.exe", "#!/bin/sh\nexit 0\n");
    writeScript(onPath, "pathonly.exe", "#!/bin/sh\nexit 0\n");
    const QString inCurrent = writeScript(work_.path(), "both.exe", "#!/bin/sh\nexit 0\n");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", onPath.toUtf8() + ':' + oldPath);
    const QString both = ToolLauncher::Locate("both.exe");
    const QString pathOnly = ToolLauncher::Locate("pathonly.exe");
    // A file without the executable mark is passed over.
    QFile plain(work_.filePath("plain.exe"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString notRunnable = ToolLauncher::Locate("plain.exe");
    qputenv("PATH", oldPath);
    QCOMPARE(both, inCurrent);
    QCOMPARE(pathOnly, QDir(onPath).filePath("pathonly.exe"));
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
    line.appendText("normalize.exe -m 90 -o ").appendPath(output.toStdString()).appendText(" ").appendPath(input.toStdString());
    ToolLauncher launcher;
    QVERIFY(launcher.RunToolAndWait(line).succeeded());
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
    CommandLine line;
    line.appendText("lame.exe ").appendPath(work_.filePath("in.wav").toStdString()).appendText(" ").appendPath(work_.filePath("out.mp3").toStdString());
    ToolLauncher launcher;
    const RunOutcome outcome = launcher.RunToolAndWait(line);
    QVERIFY(outcome.succeeded());
    QVERIFY(QString::fromStdString(outcome.lastOutput.back()).contains("wrote"));
}

void ToolLauncherTest::standardInputIsClosed()
{
    // cat copies its input until the end: with an open pipe it would never end.
    CommandLine line;
    line.appendText("cat");
    ToolLauncher launcher;
    QVERIFY(launcher.RunToolAndWait(line).succeeded());
}

void ToolLauncherTest::keepsWindowEventsFlowing()
{
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=300");
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    CommandLine line;
    line.appendText("lame.exe ").appendPath(work_.filePath("in.wav").toStdString()).appendText(" ").appendPath(work_.filePath("out.mp3").toStdString());
    ToolLauncher launcher;
    QVERIFY(launcher.RunToolAndWait(line).succeeded());
    QVERIFY2(ticks > 3, QByteArray::number(ticks));
}

QTEST_MAIN(ToolLauncherTest)
#include "tst_launcher.moc"
