// One copy per user: a later start of the real program hands over to the
// running copy and ends with status 0; a crashed copy does not block a start.
#include "app/SingleInstance.h"
#include "ui/texts/FormTexts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using marulo::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstInProcessCopyIsPrimary();
    void laterStartHandsOverToRunningCopy();
    void twoRealCopies();
    void crashedCopyDoesNotBlockNextStart();
    void strangersAreIgnored();
    void unwritableLockPlaceStillStarts();

private:
    QString title() const { return QString::fromUtf8(marulo::FormTexts::ApplicationTitle); }
    bool listening() const;
    std::unique_ptr<QProcess> start();

    QTemporaryDir private_;
    std::vector<std::unique_ptr<QProcess>> started_;
};

void SingleInstanceTest::initTestCase()
{
    QVERIFY(private_.isValid());
    // A private place for the lock and the socket, so that a copy of the
    // program running for the user on this machine is never touched.
    qputenv("TMPDIR", private_.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", private_.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QVERIFY(SingleInstance::lockPath(title()).startsWith(private_.path()));
    QVERIFY(QFileInfo::exists(QStringLiteral(MARULO_EXECUTABLE)));
}

void SingleInstanceTest::cleanup()
{
    for (auto& process : started_) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            QTRY_COMPARE(process->state(), QProcess::NotRunning);
        }
    }
    started_.clear();
}

bool SingleInstanceTest::listening() const
{
    QLocalSocket probe;
    probe.connectToServer(SingleInstance::serverName(title()));
    const bool connected = probe.state() == QLocalSocket::ConnectedState;
    probe.abort();
    return connected;
}

std::unique_ptr<QProcess> SingleInstanceTest::start()
{
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(private_.path());
    process->setProgram(QStringLiteral(MARULO_EXECUTABLE));
    process->start();
    return process;
}

void SingleInstanceTest::firstInProcessCopyIsPrimary()
{
    SingleInstance first(title());
    QVERIFY(first.isPrimary());
    SingleInstance second(title());
    QVERIFY(!second.isPrimary());
    int asked = 0;
    first.setHandler([&asked](const QString&) {
        ++asked;
        return true;
    });
    QVERIFY(listening());
    // Another key is another program.
    SingleInstance other(QStringLiteral("Some Other Title"));
    QVERIFY(other.isPrimary());
    QCOMPARE(asked, 0);
}

void SingleInstanceTest::laterStartHandsOverToRunningCopy()
{
    SingleInstance running(title());
    QVERIFY(running.isPrimary());
    QStringList asked;
    running.setHandler([&asked](const QString& path) {
        asked << path;
        return true;
    });

    QElapsedTimer clock;
    clock.start();
    auto later = start();
    QTRY_COMPARE_WITH_TIMEOUT(later->state(), QProcess::NotRunning, 10000);
    qInfo("a later start ended after %lld ms", clock.elapsed());
    QCOMPARE(later->exitStatus(), QProcess::NormalExit);
    QCOMPARE(later->exitCode(), 0);
    // A start without an argument hands over no path.
    QCOMPARE(asked, QStringList{QString()});
}

void SingleInstanceTest::twoRealCopies()
{
    started_.push_back(start());
    QProcess& first = *started_.back();
    QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
    QVERIFY(QFile::exists(SingleInstance::lockPath(title())));

    auto second = start();
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 10000);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
}

void SingleInstanceTest::crashedCopyDoesNotBlockNextStart()
{
    {
        auto crashed = start();
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
        crashed->kill();
        QTRY_COMPARE(crashed->state(), QProcess::NotRunning);
    }
    // Lock file and socket are left behind, and nobody answers.
    QVERIFY(QFile::exists(SingleInstance::lockPath(title())));
    QVERIFY(!listening());

    started_.push_back(start());
    QProcess& next = *started_.back();
    QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
    QCOMPARE(next.state(), QProcess::Running);

    // And the new copy is the one a later start hands over to.
    auto later = start();
    QTRY_COMPARE_WITH_TIMEOUT(later->state(), QProcess::NotRunning, 10000);
    QCOMPARE(later->exitCode(), 0);
    QCOMPARE(next.state(), QProcess::Running);
}

void SingleInstanceTest::strangersAreIgnored()
{
    SingleInstance running(title());
    QVERIFY(running.isPrimary());
    int asked = 0;
    running.setHandler([&asked](const QString&) {
        ++asked;
        return true;
    });
    QLocalSocket stranger;
    QSignalSpy closed(&stranger, &QLocalSocket::disconnected);
    stranger.connectToServer(SingleInstance::serverName(title()));
    QCOMPARE(stranger.state(), QLocalSocket::ConnectedState);
    stranger.write("hello\n");
    QVERIFY(closed.wait(5000));
    QCOMPARE(asked, 0);
}

void SingleInstanceTest::unwritableLockPlaceStillStarts()
{
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QDir(private_.path()).filePath(QStringLiteral("missing/folder")).toLocal8Bit());
    SingleInstance alone(title());
    qputenv("TMPDIR", saved);
    QVERIFY(alone.isPrimary());
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
