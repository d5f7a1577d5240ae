// The command line: what a start asks for, and the real program's answer to
// --help, --version and mistakes, without a display and without disturbing a
// running copy.
#include "app/SingleInstance.h"
#include "app/StartArguments.h"
#include "ui/texts/FormTexts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using marulo::ParseStartArguments;
using marulo::SingleInstance;
using marulo::StartRequest;
using Action = StartRequest::Action;

Q_DECLARE_METATYPE(StartRequest::Action)

class StartArgumentsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void requests_data();
    void requests();
    void program_data();
    void program();

private:
    QTemporaryDir private_;
};

void StartArgumentsTest::initTestCase()
{
    QVERIFY(private_.isValid());
    qputenv("TMPDIR", private_.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", private_.path().toLocal8Bit());
}

void StartArgumentsTest::requests_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language"); // the word --language chose, empty for none
    QTest::newRow("nothing") << QStringList{} << Action::Start << "" << "";
    QTest::newRow("absolute folder") << QStringList{"/music/a/"} << Action::Start << "/music/a" << "";
    QTest::newRow("relative folder") << QStringList{"a b"} << Action::Start << "/start here/a b" << "";
    QTest::newRow("relative upwards") << QStringList{"../x/./y.wav"} << Action::Start << "/x/y.wav" << "";
    QTest::newRow("after --") << QStringList{"--", "-v"} << Action::Start << "/start here/-v" << "";
    QTest::newRow("help") << QStringList{"--help"} << Action::ShowHelp << "" << "";
    QTest::newRow("h") << QStringList{"-h", "/x"} << Action::ShowHelp << "" << "";
    QTest::newRow("version") << QStringList{"--version"} << Action::ShowVersion << "" << "";
    QTest::newRow("unknown option") << QStringList{"--folder=/x"} << Action::Refuse << "" << "";
    QTest::newRow("Qt's own option") << QStringList{"-platform", "xcb"} << Action::Refuse << "" << "";
    QTest::newRow("two paths") << QStringList{"/a", "/b"} << Action::Refuse << "" << "";
    QTest::newRow("empty path") << QStringList{""} << Action::Refuse << "" << "";
    QTest::newRow("language en") << QStringList{"--language", "en", "/x"} << Action::Start << "/x" << "en";
    QTest::newRow("language=ja") << QStringList{"--language=ja"} << Action::Start << "" << "ja";
    QTest::newRow("unknown language") << QStringList{"--language", "english"} << Action::Refuse << "" << "";
    QTest::newRow("no language word") << QStringList{"--language"} << Action::Refuse << "" << "";
    // clang-format on
}

void StartArgumentsTest::requests()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, path);
    QFETCH(QString, language);
    const StartRequest request =
        ParseStartArguments(QStringList{"/usr/bin/marulo"} + arguments, QStringLiteral("/start here"));
    QCOMPARE(request.action, action);
    QCOMPARE(request.path, path);
    QCOMPARE(request.language ? marulo::LanguageWord(*request.language) : QString(), language);
    QCOMPARE(request.text.isEmpty(), action == Action::Start);
    QCOMPARE(marulo::ExitStatusOf(action), action == Action::Refuse ? 2 : 0);
}

void StartArgumentsTest::program_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // start of standard output
    QTest::addColumn<QString>("err"); // start of standard error
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: marulo [options] [FOLDER|FILE]\n" << "";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: marulo [options] [FOLDER|FILE]\n" << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "marulo 1.3a\n" << "";
    QTest::newRow("-v") << QStringList{"-v"} << 0 << "marulo 1.3a\n" << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "marulo: Unknown option 'bogus'.\nUsage: marulo [options] [FOLDER|FILE]\n";
    QTest::newRow("two paths") << QStringList{"/a", "/b"} << 2 << ""
                               << "marulo: Only one folder or file can be opened.\nUsage: marulo";
    QTest::newRow("unknown language") << QStringList{"--language", "de"} << 2 << ""
                                      << "marulo: Unknown language 'de': ja or en.\nUsage: marulo";
    // clang-format on
}

void StartArgumentsTest::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    // A running copy, which none of these starts may contact.
    SingleInstance running(QString::fromUtf8(marulo::FormTexts::ApplicationTitle));
    QVERIFY(running.isPrimary());
    int asked = 0;
    running.setHandler([&asked](const QString&) {
        ++asked;
        return true;
    });

    // No display of any kind: a start that made a window would fail here.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MARULO_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    // One pass over the events a connection would have queued by now.
    QCoreApplication::processEvents();
    QCOMPARE(asked, 0);
}

QTEST_MAIN(StartArgumentsTest)
#include "tst_start_arguments.moc"
