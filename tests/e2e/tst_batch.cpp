// End to end: "marulo --batch" with the converter bridge and the Debian tools,
// without a display, against the window's "ALL Encode" over the same files:
// the same results, byte for byte.
#include "tests/support/AudioCheck.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace marulo;
using namespace marulo::test;

class BatchEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameResultsAsTheWindow_data();
    void sameResultsAsTheWindow();

private:
    QString folderWith(const QString& name, const QStringList& files);

    QTemporaryDir temp_;
};

void BatchEndToEndTest::initTestCase()
{
    QVERIFY(temp_.isValid());
    QVERIFY(makeWav(temp_.filePath("stereo.wav"), 2));
    QVERIFY(makeWav(temp_.filePath("mono.wav"), 1));
    QCOMPARE(runProgram("lame", {"--quiet", temp_.filePath("stereo.wav"), temp_.filePath("song.mp3")}).exitCode, 0);
}

QString BatchEndToEndTest::folderWith(const QString& name, const QStringList& files)
{
    const QString folder = temp_.filePath(name);
    QDir().mkpath(folder);
    for (const QString& file : files)
        QFile::copy(temp_.filePath(file.section('=', -1)), folder + '/' + file.section('=', 0, 0));
    return folder;
}

void BatchEndToEndTest::sameResultsAsTheWindow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("control"); // set in the window after the mode: "name=value"
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("files");

    const QStringList wavs{"a.wav=stereo.wav", "音楽 テスト.wav=mono.wav"};
    QTest::newRow("mp3 at the defaults") << 0 << QString() << QStringList{} << wavs;
    QTest::newRow("flac, level 5") << 4 << "E2=5" << QStringList{"--mode", "flac", "--compression", "5"} << wavs;
    QTest::newRow("mp3 decode") << 0 << "CB0=on" << QStringList{"--decode"} << QStringList{"song.mp3"};
}

void BatchEndToEndTest::sameResultsAsTheWindow()
{
    QFETCH(int, mode);
    QFETCH(QString, control);
    QFETCH(QStringList, options);
    QFETCH(QStringList, files);
    const QString tag = QString::fromUtf8(QTest::currentDataTag()).replace(' ', '_');
    const QString byWindow = folderWith("window-" + tag, files);
    const QString byBatch = folderWith("batch-" + tag, files);

    TForm1 form;
    form.show();
    // The first activation runs the tool check; it passes before the folder opens.
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<FolderList*>("DLB1")->setDirectory(byWindow);
    auto* list = form.findChild<FileList*>("FLB1");
    QTRY_COMPARE_WITH_TIMEOUT(list->directory(), byWindow, 5000);
    form.findChild<RadioGroup*>("RG1")->setItemIndex(mode);
    // An empty name would find the first control of any name.
    const QString name = control.section('=', 0, 0);
    if (auto* box = name.isEmpty() ? nullptr : form.findChild<QCheckBox*>(name))
        box->setChecked(true);
    else if (auto* edit = name.isEmpty() ? nullptr : form.findChild<QLineEdit*>(name))
        edit->setText(control.section('=', 1));
    QTRY_COMPARE_WITH_TIMEOUT(list->listedPaths().size(), files.size(), 5000);
    QTest::mouseClick(form.findChild<QPushButton*>("B2"), Qt::LeftButton);
    QVERIFY(!form.conversionRunning());

    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(variable);
    batch.setProcessEnvironment(environment);
    batch.start(QStringLiteral(MARULO_EXECUTABLE),
                QStringList{"--batch", "--no-settings"} + options + QStringList{byBatch});
    QVERIFY(batch.waitForFinished(120000));
    QVERIFY2(batch.exitCode() == 0, batch.readAllStandardError().constData());

    const QStringList results = entriesOf(byWindow + "/Zorvik");
    QVERIFY(!results.isEmpty());
    QCOMPARE(entriesOf(byBatch + "/Zorvik"), results);
    for (const QString& result : results)
        QVERIFY2(fileBytes(byBatch + "/Zorvik/" + result) == fileBytes(byWindow + "/Zorvik/" + result),
                 qPrintable(result));
}

QTEST_MAIN(BatchEndToEndTest)
#include "tst_batch.moc"
