// Faulty converters under the converters' names, through the real window: a
// step counts only when its result is there, the converter at fault is named,
// and no half-written file is left under a result's name.
#include "tests/support/ConversionScene.h"

#include <QCheckBox>

using namespace marulo;
using namespace marulo::test;

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    void faultyConverter_data();
    void faultyConverter();
};

void ResultsTest::faultyConverter_data()
{
    // clang-format off
    QTest::addColumn<QString>("converter");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("button");

    for (const char* button : {"B1", "B2"}) {
        for (const char* fault : {"silent", "half", "empty"}) {
            QTest::addRow("normaliser %s, %s", fault, button) << "normalize.exe" << false << fault << button;
            QTest::addRow("encoder %s, %s", fault, button) << "lame.exe" << false << fault << button;
            QTest::addRow("decoder %s, %s", fault, button) << "lame.exe" << true << fault << button;
        }
    }
    // clang-format on
}

// song's step fails; in ALL Encode the other file is converted all the same.
// An earlier result at the failing step's output path survives byte for byte
// when the step left it alone, and is removed when the step wrote over it; an
// earlier WAV is never the normaliser's output path before an encoder.
void ResultsTest::faultyConverter()
{
    QFETCH(QString, converter);
    QFETCH(bool, decode);
    QFETCH(QString, fault);
    QFETCH(QString, button);

    const QString ext = decode ? "mp3" : "wav";
    ConversionScene scene;
    scene.makeFolder("music", {"song." + ext, "other." + ext});
    QVERIFY(scene.openWindow());
    scene.control<QCheckBox>("CB0")->setChecked(decode);
    // The failing step's output: the normalised copy, the MP3, the decoded WAV.
    const QString failingOutput = converter == "normalize.exe" || decode ? "song.wav" : "song.mp3";
    QDir(scene.folder).mkdir("Zorvik");
    QFile earlier(scene.workFile(failingOutput));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier result");
    earlier.close();

    qputenv("MARULO_STANDIN_MATCH", "song");
    qputenv("MARULO_STANDIN_FAULT", (converter + '=' + fault).toUtf8());
    scene.select("song." + ext);
    scene.press(button.toLatin1().constData());

    // The designed sentence, then whatever the converter said last.
    const QString failed = QString::fromUtf8(" %1 による song.%2 の変換に失敗しました。").arg(converter, ext);
    QVERIFY2(scene.form->statusText().startsWith(failed), qPrintable(scene.form->statusText()));
    QStringList expected;
    if (button == "B2")
        expected << (decode ? "other.wav" : "other.mp3");
    const bool untouched = fault == "silent" || converter == "normalize.exe";
    if (untouched)
        expected << failingOutput;
    expected.sort();
    QCOMPARE(scene.workFiles(), expected);
    if (untouched) {
        QFile kept(scene.workFile(failingOutput));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("an earlier result"));
    }
    // A failed normaliser: song's encoder never ran.
    int songRuns = 0;
    for (const StandinRun& run : scene.runs())
        songRuns += run.args.join(' ').contains("song");
    QCOMPARE(songRuns, converter == "normalize.exe" || decode ? 1 : 2);
    QVERIFY(scene.inputsUnchanged());
}

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
