// The existing-results policy of the run policy, through the real window, in
// encode, WAV and decode modes.
#include "tests/support/ConversionScene.h"

#include "core/RunPolicy.h"

#include <QCheckBox>

using namespace marulo;
using namespace marulo::test;

Q_DECLARE_METATYPE(marulo::ExistingResults)

class ExistingTest : public QObject {
    Q_OBJECT

private slots:
    void singleEncode_data();
    void singleEncode();
    void allEncodeSkipsOnlyFilesWithAResult();
    void earlierWavSurvivesTheNormaliseStep_data();
    void earlierWavSurvivesTheNormaliseStep();
};

void ExistingTest::singleEncode_data()
{
    // clang-format off
    QTest::addColumn<ExistingResults>("policy");
    QTest::addColumn<QString>("mode"); // "encode", "wav", "decode"
    QTest::addColumn<int>("converters");
    QTest::addColumn<QStringList>("workFiles");
    QTest::addColumn<QString>("written"); // the file the run wrote; empty: none
    QTest::addColumn<bool>("told");       // the status bar says nothing was converted

    using E = ExistingResults;
    QTest::newRow("skip, encode") << E::Skip << "encode" << 0 << QStringList{"song.mp3"} << "" << true;
    QTest::newRow("skip, WAV") << E::Skip << "wav" << 0 << QStringList{"song.wav"} << "" << true;
    QTest::newRow("skip, decode") << E::Skip << "decode" << 0 << QStringList{"song.wav"} << "" << true;
    QTest::newRow("number, encode") << E::Number << "encode" << 2 << QStringList{"song (1).mp3", "song.mp3"}
                                    << "song (1).mp3" << false;
    QTest::newRow("number, WAV") << E::Number << "wav" << 1 << QStringList{"song (1).wav", "song.wav"}
                                 << "song (1).wav" << false;
    QTest::newRow("number, decode") << E::Number << "decode" << 1 << QStringList{"song (1).wav", "song.wav"}
                                    << "song (1).wav" << false;
    QTest::newRow("overwrite, encode") << E::Overwrite << "encode" << 2 << QStringList{"song.mp3"} << "song.mp3" << false;
    QTest::newRow("overwrite, decode") << E::Overwrite << "decode" << 1 << QStringList{"song.wav"} << "song.wav" << false;
    // clang-format on
}

void ExistingTest::singleEncode()
{
    QFETCH(ExistingResults, policy);
    QFETCH(QString, mode);
    QFETCH(int, converters);
    QFETCH(QStringList, workFiles);
    QFETCH(QString, written);
    QFETCH(bool, told);

    const bool decode = mode == "decode";
    const QString input = decode ? "song.mp3" : "song.wav";
    const QString earlierName = mode == "encode" ? "song.mp3" : "song.wav";
    ConversionScene scene;
    scene.makeFolder("music", {input});
    QVERIFY(scene.openWindow());
    if (mode == "wav")
        scene.control<RadioGroup>("RG1")->setItemIndex(6);
    scene.control<QCheckBox>("CB0")->setChecked(decode);
    scene.form->setRunPolicy(RunPolicy{1, policy});
    QDir(scene.folder).mkdir("Zorvik");
    QFile earlier(scene.workFile(earlierName));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier result");
    earlier.close();

    const QString before = scene.form->statusText();
    scene.select(input);
    scene.press("B1");
    QCOMPARE(scene.converters().size(), converters);
    QCOMPARE(scene.workFiles(), workFiles);
    QFile kept(scene.workFile(earlierName));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll() == "an earlier result", written != earlierName);
    if (!written.isEmpty()) {
        QFile result(scene.workFile(written));
        QVERIFY(result.open(QIODevice::ReadOnly));
        QVERIFY(result.readAll().contains(scene.inputs[input]));
    }
    QCOMPARE(scene.form->statusText(),
             told ? QString::fromUtf8(" 変換先に同じ名前のファイルがあるため、変換しませんでした。") : before);
    if (told) {
        const LogEntry& note = scene.form->runLog().entries().back();
        QCOMPARE(note.file, input);
        QVERIFY(note.outcome.contains(scene.workFile(earlierName)));
    }
}

// Only the file whose result is there is left alone; the status bar stays as
// the window's rules left it.
void ExistingTest::allEncodeSkipsOnlyFilesWithAResult()
{
    ConversionScene scene;
    scene.makeFolder("music", {"a.wav", "b.wav", "c.wav"});
    QVERIFY(scene.openWindow());
    const QString before = scene.form->statusText();
    scene.form->setRunPolicy(RunPolicy{2, ExistingResults::Skip});
    QDir(scene.folder).mkdir("Zorvik");
    QFile earlier(scene.workFile("b.mp3"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier result");
    earlier.close();
    scene.press("B2");
    QCOMPARE(scene.converters().size(), 4);
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier result"));
    QCOMPARE(scene.form->statusText(), before);
    int notes = 0;
    for (const LogEntry& entry : scene.form->runLog().entries())
        notes += entry.file == "b.wav" && entry.converter.isEmpty();
    QCOMPARE(notes, 1);
}

void ExistingTest::earlierWavSurvivesTheNormaliseStep_data()
{
    // clang-format off
    QTest::addColumn<ExistingResults>("policy");
    QTest::addColumn<bool>("deleteTemp");
    QTest::addColumn<bool>("offWhileEncoding"); // TMP File Delete switched off while the encoder runs
    QTest::addColumn<QString>("copy");          // the encoder's input, in the work folder
    QTest::addColumn<QStringList>("workFiles"); // hidden files too

    using E = ExistingResults;
    const QStringList removed{"song.mp3", "song.wav"};
    const QStringList kept{"song (1).wav", "song.mp3", "song.wav"};
    QTest::newRow("overwrite, copy removed") << E::Overwrite << true << false << ".song.marulo.wav" << removed;
    QTest::newRow("number, copy removed") << E::Number << true << false << ".song.marulo.wav" << removed;
    QTest::newRow("overwrite, copy kept") << E::Overwrite << false << false << "song (1).wav" << kept;
    QTest::newRow("number, copy kept") << E::Number << false << false << "song (1).wav" << kept;
    QTest::newRow("kept after all") << E::Overwrite << true << true << ".song.marulo.wav" << kept;
    // clang-format on
}

// An earlier WAV result in the work folder is the user's: the normalised copy
// before the encoder goes elsewhere and the earlier file stays byte for byte.
void ExistingTest::earlierWavSurvivesTheNormaliseStep()
{
    QFETCH(ExistingResults, policy);
    QFETCH(bool, deleteTemp);
    QFETCH(bool, offWhileEncoding);
    QFETCH(QString, copy);
    QFETCH(QStringList, workFiles);

    ConversionScene scene;
    scene.makeFolder("music", {"song.wav"});
    QVERIFY(scene.openWindow());
    scene.control<QCheckBox>("CB6")->setChecked(deleteTemp);
    scene.form->setRunPolicy(RunPolicy{1, policy});
    QDir(scene.folder).mkdir("Zorvik");
    QFile earlier(scene.workFile("song.wav"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier result");
    earlier.close();

    if (offWhileEncoding)
        scene.whileRunning("lame.exe", [&] { scene.control<QCheckBox>("CB6")->setChecked(false); });
    scene.select("song.wav");
    scene.press("B1");
    const QList<StandinRun> runs = scene.runs();
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0].outputOf(), scene.workFile(copy));
    QCOMPARE(runs[1].inputOf(), scene.workFile(copy));
    QCOMPARE(QDir(scene.folder + "/Zorvik").entryList(QDir::Files | QDir::Hidden, QDir::Name), workFiles);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier result"));
    QFile result(scene.workFile("song.mp3"));
    QVERIFY(result.open(QIODevice::ReadOnly));
    QVERIFY(result.readAll().contains(scene.inputs["song.wav"]));
}

QTEST_MAIN(ExistingTest)
#include "tst_existing.moc"
