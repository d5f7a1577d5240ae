// marulo --batch as a user runs it: a real process with the stand-in
// converters beside it, no display, and the command lines, statuses, reports
// and leftovers it ends with.
#include "tests/support/StandinLog.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace marulo::test;

namespace {

struct BatchResult {
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class BatchRunsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandLines_data();
    void commandLines();
    void usageErrors_data();
    void usageErrors();
    void aFailureAmongGoodFiles();
    void interruptMidRun();
    void printedJobsRunInAShell();
    void printedJobsCarryTheAlbumsGain();

private:
    QString makeFiles(const QString& folder, const QStringList& names);
    // readSettings: the settings file of XDG_CONFIG_HOME applies.
    BatchResult run(const QStringList& arguments, const QString& workingFolder = {}, bool readSettings = false);
    // The arguments of the runs of one converter, each joined by blanks.
    QStringList argumentsOf(const QString& converter) const;

    std::unique_ptr<QTemporaryDir> root_;
    QString log_;
};

void BatchRunsTest::init()
{
    for (const char* name :
         {"MARULO_STANDIN_SLEEP_MS", "MARULO_STANDIN_FAIL", "MARULO_STANDIN_FAIL_MATCH", "MARULO_STANDIN_MATCH",
          "MARULO_STANDIN_PARTIAL", "MARULO_STANDIN_CHILD", "MARULO_STANDIN_MEASURE"})
        qunsetenv(name);
    root_ = std::make_unique<QTemporaryDir>();
    log_ = root_->filePath("standin.log");
    qputenv("MARULO_STANDIN_LOG", log_.toUtf8());
    // No display at all: the batch must need none.
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
}

QString BatchRunsTest::makeFiles(const QString& folder, const QStringList& names)
{
    const QString path = root_->filePath(folder);
    QDir().mkpath(path);
    for (const QString& name : names) {
        QFile file(QDir(path).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("RIFF-" + name.toUtf8() + "-WAVEdata");
    }
    return path;
}

BatchResult BatchRunsTest::run(const QStringList& arguments, const QString& workingFolder, bool readSettings)
{
    QProcess batch;
    batch.setWorkingDirectory(workingFolder.isEmpty() ? root_->path() : workingFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", root_->filePath("config"));
    batch.setProcessEnvironment(environment);
    const QStringList head = readSettings ? QStringList{"--batch"} : QStringList{"--batch", "--no-settings"};
    batch.start(QStringLiteral(MARULO_BATCH_HOST), head + arguments);
    batch.waitForFinished(30000);
    return {batch.exitCode(), QString::fromUtf8(batch.readAllStandardOutput()),
            QString::fromUtf8(batch.readAllStandardError())};
}

QStringList BatchRunsTest::argumentsOf(const QString& converter) const
{
    QStringList lines;
    for (const StandinRun& run : ReadStandinLog(log_))
        if (run.name == converter)
            lines << run.args.join(QLatin1Char(' '));
    return lines;
}

void BatchRunsTest::commandLines_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QString>("arguments"); // with <d> for the folder; one line per run

    QTest::newRow("defaults: normalise") << QStringList{} << "normalize.exe"
                                         << "-m 90 -o <d>/Zorvik/a.wav <d>/a.wav";
    QTest::newRow("defaults: lame") << QStringList{} << "lame.exe"
                                    << "-m j -b 128 -q 2 <d>/Zorvik/a.wav <d>/Zorvik/a.mp3";
    QTest::newRow("mp3 vbr range") << QStringList{"--vbr", "--bitrate-range", "--new-vbr", "--min-bitrate",
                                                  "32",    "--max-bitrate",   "256",       "--vbr-quality",
                                                  "0",     "--channel",       "mono"}
                                   << "lame.exe"
                                   << "-m m -v --vbr-new -V 0 -F -b 32 -B 256 -q 2 <d>/Zorvik/a.wav <d>/Zorvik/a.mp3";
    QTest::newRow("ogg quality, no normalise")
        << QStringList{"--mode", "ogg", "--vbr", "--ogg-quality", "6.00", "--no-normalize"} << "oggenc.exe"
        << "-q6.00 <d>/a.wav -o <d>/Zorvik/a.ogg";
    QTest::newRow("flac level") << QStringList{"--mode", "flac", "--compression", "5", "--level", "70"} << "flac.exe"
                                << "-5 <d>/Zorvik/a.wav -o <d>/Zorvik/a.flac";
    QTest::newRow("level") << QStringList{"--mode", "wav", "--level", "100"} << "normalize.exe"
                           << "-m 100 -o <d>/Zorvik/a.wav <d>/a.wav";
    QTest::newRow("peak method") << QStringList{"--normalize-method", "peak", "--level", "80"} << "normalize.exe"
                                 << "-m 80 -o <d>/Zorvik/a.wav <d>/a.wav";
    QTest::newRow("loudness") << QStringList{"--normalize-method", "loudness", "--loudness", "-23",
                                             "--true-peak",        "-2.5"}
                              << "normalize.exe"
                              << "-l -23 -t -2.5 -o <d>/Zorvik/a.wav <d>/a.wav";
    // The stand-in measures -20 LUFS, -3 dBTP: min(-14 - -20, -1 - -3) = 2.
    QTest::newRow("album") << QStringList{"--normalize-method", "album", "--loudness", "-14"} << "normalize.exe"
                           << "--measure --list <d>/Zorvik/.marulo-album.txt\n-g 2 -o <d>/Zorvik/a.wav <d>/a.wav";
    QTest::newRow("gain over album") << QStringList{"--normalize-method", "album", "--gain", "-7.25"} << "normalize.exe"
                                     << "-g -7.25 -o <d>/Zorvik/a.wav <d>/a.wav";
}

void BatchRunsTest::commandLines()
{
    QFETCH(QStringList, options);
    QFETCH(QString, converter);
    QFETCH(QString, arguments);
    const QString folder = makeFiles("in", {"a.wav"});
    const BatchResult result = run(options + QStringList{folder});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(argumentsOf(converter), QString(arguments).replace("<d>", folder).split('\n'));
}

void BatchRunsTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("mode") << QStringList{"--mode", "wma", "in"}
                          << "--mode に \"wma\" は指定できません。指定できる値: mp3, mp2, ogg, aac, flac, tta, wav";
    QTest::newRow("bitrate off the list") << QStringList{"--bitrate", "129", "in"} << "--bitrate に \"129\"";
    QTest::newRow("level out of range") << QStringList{"--level", "101", "in"}
                                        << "--level に \"101\" は指定できません。指定できる値: 0-100";
    QTest::newRow("existing") << QStringList{"--existing", "keep", "in"} << "指定できる値: overwrite, skip, number";
    QTest::newRow("wav decode") << QStringList{"--mode", "wav", "--decode", "in"}
                                << "--mode wav では --decode は指定できません。";
    QTest::newRow("wav without normalise")
        << QStringList{"--mode", "wav", "--no-normalize", "in"} << "--mode wav では --no-normalize は指定できません。";
    QTest::newRow("missing path, nothing converts") << QStringList{"in", "nothere"} << "nothere\" がありません。";
    QTest::newRow("no path") << QStringList{} << "変換するファイルかフォルダを指定して下さい。";
    QTest::newRow("unknown option") << QStringList{"--bogus", "in"} << "bogus";
    QTest::newRow("true peak") << QStringList{"--true-peak", "0.5", "in"}
                               << "--true-peak に \"0.5\" は指定できません。指定できる値: -9-0";
    QTest::newRow("gain") << QStringList{"--gain", "60.5", "in"} << "--gain に \"60.5\" は指定できません。";
    QTest::newRow("english") << QStringList{"--language", "fr", "in"} << "--language に \"fr\"";
}

void BatchRunsTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    makeFiles("in", {"a.wav"});
    const BatchResult result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QVERIFY(ReadStandinLog(log_).isEmpty());
    QVERIFY(!QFileInfo::exists(root_->filePath("in/Zorvik")));
}

void BatchRunsTest::aFailureAmongGoodFiles()
{
    const QString folder = makeFiles("in", {"a.wav", "b.wav", "c.wav"});
    qputenv("MARULO_STANDIN_FAIL", "lame.exe=3");
    qputenv("MARULO_STANDIN_FAIL_MATCH", "b.mp3");
    // Files given one by one keep their order; a folder lists in the window's.
    const BatchResult result = run({"--jobs", "2", folder + "/c.wav", folder + "/a.wav", folder + "/b.wav"});
    QCOMPARE(result.status, 1);
    const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.contains("変換しました: c.wav -> Zorvik/c.mp3"), qPrintable(result.err));
    QVERIFY2(lines.contains("変換しました: a.wav -> Zorvik/a.mp3"), qPrintable(result.err));
    QVERIFY2(lines[2].startsWith("失敗しました: b.wav: lame.exe: exit status 3"), qPrintable(lines[2]));
    QVERIFY2(lines[3].startsWith("3 件中 2 件を変換、1 件が失敗、0 件は変換しませんでした"), qPrintable(lines[3]));
    QCOMPARE(QDir(folder + "/Zorvik").entryList(QDir::Files), (QStringList{"a.mp3", "c.mp3"}));
}

void BatchRunsTest::interruptMidRun()
{
    const QString folder = makeFiles("in", {"a.wav", "b.wav", "c.wav"});
    qputenv("MARULO_STANDIN_MATCH", "b.mp3");
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_PARTIAL", "lame.exe");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    QProcess batch;
    batch.start(QStringLiteral(MARULO_BATCH_HOST), {"--batch", "--no-settings", folder});
    const auto bEncoding = [&] {
        for (const StandinRun& run : ReadStandinLog(log_))
            if (run.name == "lame.exe" && run.outputOf().endsWith("b.mp3") && run.childPid > 0)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(bEncoding(), 10000);
    QVERIFY(QFileInfo::exists(folder + "/Zorvik/b.mp3")); // half written
    ::kill(static_cast<pid_t>(batch.processId()), SIGINT);
    QVERIFY(batch.waitForFinished(5000));
    QCOMPARE(batch.exitStatus(), QProcess::NormalExit);
    QCOMPARE(batch.exitCode(), 130);

    const QList<StandinRun> runs = ReadStandinLog(log_);
    QVERIFY(ProcessGone(runs.last().pid));
    QVERIFY(ProcessGone(runs.last().childPid));
    // c never started; b's half result and its normalised copy are gone.
    QCOMPARE(runs.size(), 4);
    QCOMPARE(QDir(folder + "/Zorvik").entryList(QDir::Files | QDir::Hidden), QStringList{"a.mp3"});
    QVERIFY(QString::fromUtf8(batch.readAllStandardError())
                .contains("変換を中止しました。3 件中 1 件を変換、0 件が失敗しました"));
}

void BatchRunsTest::printedJobsRunInAShell()
{
    const QStringList names{"a b.wav", "it's \"x\".wav", "曲 $HOME.wav"};
    const QString folder = makeFiles("in", names);
    const BatchResult printed = run({"--print-jobs", "--mode", "mp2", "--bitrate", "192", "in"});
    QCOMPARE(printed.status, 0);
    const QString program = QFileInfo(QStringLiteral(MARULO_BATCH_HOST)).absoluteFilePath();
    const QString head = "'" + program + "' --batch --no-settings --mode mp2 --bitrate 192 ";
    QCOMPARE(printed.out.split('\n', Qt::SkipEmptyParts),
             (QStringList{head + "'" + folder + "/a b.wav'", head + "'" + folder + "/it'\\''s \"x\".wav'",
                          head + "'" + folder + "/曲 $HOME.wav'"}));
    QVERIFY(ReadStandinLog(log_).isEmpty());

    for (const QString& line : printed.out.split('\n', Qt::SkipEmptyParts)) {
        QProcess shell;
        shell.start("/bin/sh", {"-c", line});
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitCode(), 0);
    }
    QCOMPARE(QDir(folder + "/Zorvik").entryList(QDir::Files),
             (QStringList{"a b.mp2", "it's \"x\".mp2", "曲 $HOME.mp2"}));
}

// An album split into jobs: measured once by the settings' method and the
// option's target over the file's, each job then carries the album's gain.
void BatchRunsTest::printedJobsCarryTheAlbumsGain()
{
    const QString folder = makeFiles("in", {"a.wav", "b.wav"});
    QDir().mkpath(root_->filePath("config/marulo"));
    QFile settings(root_->filePath("config/marulo/marulo.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[normalize]\nmethod=album\nloudness=-14\n");
    settings.close();

    qputenv("MARULO_STANDIN_FAIL", "normalize.exe=2");
    const BatchResult failed = run({"--print-jobs", "--loudness", "-23", "in"}, {}, true);
    QCOMPARE(failed.status, 1);
    QVERIFY(failed.out.isEmpty());
    QVERIFY2(
        failed.err.contains("アルバムのラウドネスを測れませんでした: " + folder + ": normalize.exe: exit status 2"),
        qPrintable(failed.err));
    qunsetenv("MARULO_STANDIN_FAIL");
    QFile::remove(log_);

    // min(-23 - -20, -1 - -3) = -3; the file's -14 would give 2.
    const BatchResult printed = run({"--print-jobs", "--loudness", "-23", "in"}, {}, true);
    QVERIFY2(printed.status == 0, qPrintable(printed.err));
    const QString program = QFileInfo(QStringLiteral(MARULO_BATCH_HOST)).absoluteFilePath();
    const QString head = "'" + program + "' --batch --loudness -23 --gain -3 '" + folder;
    QCOMPARE(printed.out, head + "/a.wav'\n" + head + "/b.wav'\n");
    QCOMPARE(argumentsOf("normalize.exe"), QStringList{"--measure --list " + folder + "/Zorvik/.marulo-album.txt"});
    QCOMPARE(ReadStandinLog(log_).size(), 1);
    QVERIFY(!QFileInfo::exists(folder + "/Zorvik"));
}

QTEST_GUILESS_MAIN(BatchRunsTest)
#include "tst_runs.moc"
