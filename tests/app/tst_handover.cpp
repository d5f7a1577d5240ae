// A folder or file named on the command line, opened by the program itself or
// handed to a running copy. The running copy is the program run by
// window_host (the same start as marulo, with a reporter on its window and
// the stand-in converters beside it); the later start is the real marulo.
#include "app/SingleInstance.h"
#include "tests/support/StandinLog.h"
#include "ui/texts/FormTexts.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using marulo::SingleInstance;
using marulo::test::ReadStandinLog;

namespace {

const QString LameEncoding = QString::fromUtf8(" lame.exe を用いたエンコードです。上限は\"320\"までです。");

QString cannotOpen(const QString& path)
{
    return QString::fromUtf8(" \"%1\" を開けませんでした。").arg(path);
}

QString notListed(const QString& path)
{
    return QString::fromUtf8(" \"%1\" は 今のモードでは一覧に表示されないため、フォルダのみを開きました。").arg(path);
}

// The window_host's report lines, as they come.
class Host {
public:
    Host(const QString& folder, const QStringList& arguments, const QProcessEnvironment& environment)
    {
        process_.setWorkingDirectory(folder);
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(MARULO_WINDOW_HOST));
        process_.setArguments(arguments);
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            while (process_.canReadLine())
                lines_ << QString::fromUtf8(process_.readLine()).chopped(1);
        });
        process_.start();
    }
    ~Host()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.write("quit\n");
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(5000);
    }

    QStringList lines() const { return lines_; }
    // The lines of one kind, without the kind.
    QStringList of(const QString& kind) const
    {
        QStringList found;
        for (const QString& line : lines_)
            if (line.startsWith(kind + QLatin1Char('\t')))
                found << line.mid(kind.size() + 1);
        return found;
    }
    qsizetype indexOf(const QString& line) const { return lines_.indexOf(line); }
    // The status bar now: its last change, or the start-up check's text.
    QString currentStatus() const
    {
        const QStringList changes = of(QStringLiteral("status"));
        if (!changes.isEmpty())
            return changes.last();
        return of(QStringLiteral("checked")).value(0).section(QLatin1Char('\t'), 1);
    }
    void send(const QByteArray& command) { process_.write(command + '\n'); }
    QProcess& process() { return process_; }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    QProcess process_;
    QStringList lines_;
};

// A row of the hand-over table, ROOT in its argument and status standing for
// the root folder.
struct HandOverRow {
    QString argument, folder, selected, status;
};

HandOverRow FetchRow(const QString& root)
{
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    QFETCH(QString, selected);
    QFETCH(QString, status);
    argument.replace(QLatin1String("ROOT"), root);
    status.replace(QLatin1String("ROOT"), root);
    return {argument, folder, selected, status};
}

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ownArgument_data();
    void ownArgument();
    void laterStart_data();
    void laterStart();
    void otherVersionsRefused_data();
    void otherVersionsRefused();
    void laterStartDuringConversion();
    void laterStartLanguage();
    void rememberedFolder_data();
    void rememberedFolder();

private:
    void addRows();
    std::unique_ptr<Host> startHost(const QStringList& arguments);
    // The real program, started in folder; returns its exit code.
    int runLater(const QString& folder, const QStringList& arguments, QString* errors = nullptr);
    QString path(const QString& relative) const { return QDir(root_).filePath(relative); }

    QTemporaryDir private_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
    QProcessEnvironment environment_;
};

void HandOverTest::initTestCase()
{
    QVERIFY(private_.isValid());
    // A private place for the lock and the socket: a copy of the program the
    // user runs on this machine is never touched.
    qputenv("TMPDIR", private_.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", private_.path().toLocal8Bit());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QVERIFY(QFileInfo::exists(QStringLiteral(MARULO_EXECUTABLE)));
    QVERIFY(QFileInfo::exists(QStringLiteral(MARULO_WINDOW_HOST)));
}

// dir1: where the running copy starts (no converters in it), with a.wav;
// dir2: b.wav, c.mp3 and a folder sub.
void HandOverTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    root_ = QDir(dir_->path()).canonicalPath();
    for (const QString& folder : {QStringLiteral("dir1"), QStringLiteral("dir2/sub")})
        QVERIFY(QDir(root_).mkpath(folder));
    for (const QString& file :
         {QStringLiteral("dir1/a.wav"), QStringLiteral("dir2/b.wav"), QStringLiteral("dir2/c.mp3")}) {
        QFile f(path(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("RIFF");
    }
}

void HandOverTest::cleanup()
{
    dir_.reset();
}

std::unique_ptr<Host> HandOverTest::startHost(const QStringList& arguments)
{
    auto host = std::make_unique<Host>(path(QStringLiteral("dir1")), arguments, environment_);
    return host;
}

int HandOverTest::runLater(const QString& folder, const QStringList& arguments, QString* errors)
{
    QProcess later;
    later.setWorkingDirectory(folder);
    later.setProcessEnvironment(environment_);
    later.start(QStringLiteral(MARULO_EXECUTABLE), arguments);
    if (!later.waitForFinished(10000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(later.readAllStandardError());
    return later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -1;
}

// Columns shared by both ways of naming a location: the argument (relative to
// dir1 where it is relative), the folder then shown, the file then selected,
// and the status text that follows the start-up check's.
void HandOverTest::addRows()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("status");
    QTest::newRow("folder") << "ROOT/dir2"
                            << "dir2"
                            << "" << LameEncoding;
    QTest::newRow("relative folder") << "../dir2/sub"
                                     << "dir2/sub"
                                     << "" << LameEncoding;
    QTest::newRow("file the list shows") << "ROOT/dir2/b.wav"
                                         << "dir2"
                                         << "dir2/b.wav" << LameEncoding;
    QTest::newRow("file the mask hides") << "../dir2/c.mp3"
                                         << "dir2"
                                         << "" << notListed("ROOT/dir2/c.mp3");
    QTest::newRow("missing") << "ROOT/dir2/none"
                             << ""
                             << "" << cannotOpen("ROOT/dir2/none");
}

void HandOverTest::ownArgument_data()
{
    addRows();
}

// clang-format off
void HandOverTest::ownArgument() {
    const auto [argument, folder, selected, status] = FetchRow(root_);

    auto host = startHost({argument});
    // The tool folder is captured from the folder the program started in,
    // before the argument is opened, and the stand-ins beside the program
    // count as found although dir1 holds none.
    QTRY_VERIFY_WITH_TIMEOUT(!host->of("checked").isEmpty(), 10000);
    QCOMPARE(host->of("checked").first(), path("dir1") + QLatin1Char('\t') + LameEncoding);
    QTRY_COMPARE_WITH_TIMEOUT(host->currentStatus(), status, 10000);
    if (!folder.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(host->of("folder"), QStringList{path(folder)}, 10000);
        QVERIFY(host->indexOf("checked\t" + path("dir1") + '\t' + LameEncoding) < host->indexOf("folder\t" + path(folder)));
    }
    if (!selected.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(host->of("selected").value(0), path(selected), 10000);
    // Let every report arrive: a quit after them all ends the host.
    host->send("quit");
    QTRY_COMPARE_WITH_TIMEOUT(host->process().state(), QProcess::NotRunning, 10000);
    QCOMPARE(host->process().exitCode(), 0);
    if (folder.isEmpty())
        QCOMPARE(host->of("folder"), QStringList{});
    if (selected.isEmpty())
        QCOMPARE(host->of("selected").filter(QRegularExpression(".+")), QStringList{});
    const QString errors = host->errors();
    QCOMPARE(errors.contains(QLatin1String("could not be opened")), status.contains(QStringLiteral("開けませんでした")));
    // clang-format on
}

void HandOverTest::laterStart_data()
{
    // clang-format off
    addRows();
    QTest::newRow("no argument") << "" << "" << "" << LameEncoding;
    // clang-format on
}

void HandOverTest::laterStart()
{
    const auto [argument, folder, selected, status] = FetchRow(root_);

    auto host = startHost({});
    QTRY_VERIFY_WITH_TIMEOUT(!host->of("checked").isEmpty(), 10000);
    QString errors;
    // Started in dir1 as well, so a relative argument means the same.
    const int exitCode = runLater(path("dir1"), argument.isEmpty() ? QStringList{} : QStringList{argument}, &errors);
    // A path the running copy could not open is a failed start, as a refused
    // hand-over is; the running copy comes forward all the same.
    const bool couldNotOpen = status.contains(QStringLiteral("開けませんでした"));
    QCOMPARE(exitCode, couldNotOpen ? 1 : 0);
    QCOMPARE(errors.contains(QLatin1String("could not be opened")), couldNotOpen);
    if (!folder.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(host->of("folder"), QStringList{path(folder)}, 10000);
    if (!selected.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(host->of("selected").value(0), path(selected), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(host->currentStatus(), status, 10000);
    host->send("quit");
    QTRY_COMPARE_WITH_TIMEOUT(host->process().state(), QProcess::NotRunning, 10000);
    if (folder.isEmpty())
        QCOMPARE(host->of("folder"), QStringList{});
    if (status == LameEncoding)
        QCOMPARE(host->of("status"), QStringList{});
}

void HandOverTest::otherVersionsRefused_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("version 1: come forward") << QByteArray("marulo-activate 1\n") << QByteArray("ok\n");
    QTest::newRow("version 0") << QByteArray("marulo-activate 0\n") << QByteArray("refused\n");
    QTest::newRow("version 3") << QByteArray("marulo-activate 3\n/tmp\n") << QByteArray("refused\n");
    QTest::newRow("not ours") << QByteArray("hello\n") << QByteArray("refused\n");
    // clang-format on
}

void HandOverTest::otherVersionsRefused()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, answer);
    auto host = startHost({});
    QTRY_VERIFY_WITH_TIMEOUT(!host->of("checked").isEmpty(), 10000);

    QLocalSocket socket;
    socket.connectToServer(SingleInstance::serverName(QString::fromUtf8(marulo::FormTexts::ApplicationTitle)));
    QVERIFY(socket.waitForConnected(5000));
    socket.write(message);
    while (!socket.canReadLine() && socket.waitForReadyRead(5000)) {
    }
    QCOMPARE(socket.readLine(), answer);

    // The running copy goes on as before and still takes a proper hand-over.
    QCOMPARE(host->process().state(), QProcess::Running);
    QCOMPARE(runLater(path("dir1"), {path("dir2")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(host->of("folder"), QStringList{path("dir2")}, 10000);
}

void HandOverTest::laterStartDuringConversion()
{
    const QString gate = path("gate");
    const QString log = path("standin.log");
    QProcessEnvironment environment = environment_;
    environment.insert(QStringLiteral("MARULO_STANDIN_GATE"), "*=" + gate);
    environment.insert(QStringLiteral("MARULO_STANDIN_LOG"), log);
    Host host(path("dir1"), {}, environment);
    QTRY_VERIFY_WITH_TIMEOUT(!host.of("checked").isEmpty(), 10000);

    // "ALL Encode" in dir1; its first converter waits for the gate.
    host.send("press B2");
    QTRY_VERIFY_WITH_TIMEOUT(!ReadStandinLog(log).isEmpty(), 10000);
    QCOMPARE(ReadStandinLog(log).first().endNs, -1);

    QCOMPARE(runLater(path("dir1"), {path("dir2")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(host.of("folder"), QStringList{path("dir2")}, 10000);
    // Still the same run.
    QCOMPARE(ReadStandinLog(log).size(), 1);
    QCOMPARE(ReadStandinLog(log).first().endNs, -1);

    QFile open(gate);
    QVERIFY(open.open(QIODevice::WriteOnly));
    open.close();
    // The run goes on with the files of its press: dir1's a.wav, nothing of dir2.
    QTRY_VERIFY_WITH_TIMEOUT(ReadStandinLog(log).last().endNs >= 0, 10000);
    host.send("quit");
    QTRY_COMPARE_WITH_TIMEOUT(host.process().state(), QProcess::NotRunning, 20000);
    const auto runs = ReadStandinLog(log);
    QVERIFY(!runs.isEmpty());
    for (const auto& run : runs) {
        QVERIFY2(run.endNs >= 0, qPrintable(run.name));
        QVERIFY2(run.inputOf().startsWith(path("dir1")), qPrintable(run.inputOf()));
    }
    QVERIFY(QFileInfo::exists(path("dir1/Zorvik")));
    QVERIFY(!QFileInfo::exists(path("dir2/Zorvik")));
}

// --language in a later start: the folder is handed over as ever, the
// running copy keeps the language it has, and the later start says so.
void HandOverTest::laterStartLanguage()
{
    auto host = startHost({});
    QTRY_VERIFY_WITH_TIMEOUT(!host->of("checked").isEmpty(), 10000);
    QString errors;
    QCOMPARE(runLater(path("dir1"), {QStringLiteral("--language"), QStringLiteral("en"), path("dir2")}, &errors), 0);
    QCOMPARE(errors,
             QStringLiteral("marulo: --language changes nothing in the running copy; it keeps its language.\n"));
    QTRY_COMPARE_WITH_TIMEOUT(host->of("folder"), QStringList{path("dir2")}, 10000);
    QCOMPARE(host->currentStatus(), LameEncoding);
    host->send("quit");
    QTRY_COMPARE_WITH_TIMEOUT(host->process().state(), QProcess::NotRunning, 10000);
}

void HandOverTest::rememberedFolder_data()
{
    // clang-format off
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no argument: the remembered folder") << "" << "dir2";
    QTest::newRow("an argument wins") << "ROOT/dir2/sub" << "dir2/sub";
    // clang-format on
}

// A settings file that remembers dir2: the program opens it after the
// start-up check, unless the command line names a folder of its own.
void HandOverTest::rememberedFolder()
{
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    argument.replace(QLatin1String("ROOT"), root_);
    QVERIFY(QDir(root_).mkpath(QStringLiteral("config/marulo")));
    QFile conf(path(QStringLiteral("config/marulo/marulo.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("[start]\nlastFolder=" + path(QStringLiteral("dir2")).toUtf8() + "\nrememberFolder=true\n");
    conf.close();
    QProcessEnvironment environment = environment_;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));

    Host host(path(QStringLiteral("dir1")), argument.isEmpty() ? QStringList{} : QStringList{argument}, environment);
    QTRY_VERIFY_WITH_TIMEOUT(!host.of("checked").isEmpty(), 10000);
    // The tool check still looks where the program started.
    QCOMPARE(host.of("checked").first(), path("dir1") + QLatin1Char('\t') + LameEncoding);
    QTRY_COMPARE_WITH_TIMEOUT(host.of("folder"), QStringList{path(folder)}, 10000);
    host.send("quit");
    QTRY_COMPARE_WITH_TIMEOUT(host.process().state(), QProcess::NotRunning, 10000);
    QCOMPARE(host.of("folder"), QStringList{path(folder)});
}

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
