#include "core/FileNames.h"
#include "core/NumberedNames.h"
#include "core/StepResult.h"

#include <QTest>

#include <set>

using namespace marulo;

// The names a run gives results under the "number" policy, the files that
// share a lane, and the check of a step's result.
class ResultNamesTest : public QObject {
    Q_OBJECT

private slots:
    void numberedPath_data();
    void numberedPath();
    void firstFreePath_data();
    void firstFreePath();
    void shareALane_data();
    void shareALane();
    void stepResult_data();
    void stepResult();
};

void ResultNamesTest::numberedPath_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numbered");

    QTest::newRow("posix") << "/music/Zorvik/song.mp3" << 1 << "/music/Zorvik/song (1).mp3";
    QTest::newRow("windows") << "D:\\music\\Zorvik\\song.wav" << 12 << "D:\\music\\Zorvik\\song (12).wav";
    QTest::newRow("dots in the name") << "/m/Zorvik/a.b.c.flac" << 2 << "/m/Zorvik/a.b.c (2).flac";
    QTest::newRow("dot in a folder only") << "/m.x/Zorvik/mp3" << 1 << "/m.x/Zorvik/mp3 (1)";
    QTest::newRow("hidden name") << "/m/Zorvik/.wav" << 1 << "/m/Zorvik/.wav (1)";
    QTest::newRow("blank and Japanese") << "/m/Zorvik/曲 名.ogg" << 3 << "/m/Zorvik/曲 名 (3).ogg";
    // clang-format on
}

void ResultNamesTest::numberedPath()
{
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, numbered);
    QCOMPARE(QString::fromStdString(NumberedPath(path.toStdString(), number)), numbered);
}

void ResultNamesTest::firstFreePath_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("free");

    QTest::newRow("free") << QStringList{} << "/z/song.mp3";
    QTest::newRow("taken") << QStringList{"/z/song.mp3"} << "/z/song (1).mp3";
    QTest::newRow("a gap") << QStringList{"/z/song.mp3", "/z/song (1).mp3", "/z/song (3).mp3"} << "/z/song (2).mp3";
    // clang-format on
}

void ResultNamesTest::firstFreePath()
{
    QFETCH(QStringList, taken);
    QFETCH(QString, free);
    std::set<std::string> names;
    for (const QString& name : taken)
        names.insert(name.toStdString());
    const std::string path =
        FirstFreePath("/z/song.mp3", [&](const std::string& candidate) { return names.count(candidate) > 0; });
    QCOMPARE(QString::fromStdString(path), free);
}

void ResultNamesTest::shareALane_data()
{
    // clang-format off
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("shared");

    QTest::newRow("mp2 and mp3") << "song.mp2" << "song.mp3" << true;
    QTest::newRow("case of the extension") << "a.wav" << "a.WAV" << true;
    QTest::newRow("case of the stem") << "Song.wav" << "song.wav" << true;
    QTest::newRow("flac and wav") << "song.flac" << "song.wav" << true;
    QTest::newRow("different stems") << "a.wav" << "b.wav" << false;
    QTest::newRow("one a prefix of the other") << "song.wav" << "song2.wav" << false;
    // clang-format on
}

void ResultNamesTest::shareALane()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, shared);
    const FileNames first = NamesOf("/m/", "/m/" + a.toStdString());
    const FileNames second = NamesOf("/m/", "/m/" + b.toStdString());
    QCOMPARE(ShareALane(first, second), shared);
    QCOMPARE(ShareALane(second, first), shared);
}

void ResultNamesTest::stepResult_data()
{
    // clang-format off
    QTest::addColumn<bool>("beforeExists");
    QTest::addColumn<bool>("afterExists");
    QTest::addColumn<bool>("afterRegular");
    QTest::addColumn<int>("afterSize");
    QTest::addColumn<int>("afterTime");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("touched");

    QTest::newRow("new file") << false << true << true << 10 << 5 << true << true;
    QTest::newRow("nothing written") << false << false << false << 0 << 0 << false << false;
    QTest::newRow("empty file") << false << true << true << 0 << 5 << false << true;
    QTest::newRow("folder") << false << true << false << 0 << 5 << false << true;
    QTest::newRow("earlier file untouched") << true << true << true << 10 << 1 << true << false;
    QTest::newRow("earlier file rewritten") << true << true << true << 10 << 2 << true << true;
    QTest::newRow("earlier file truncated") << true << true << true << 4 << 1 << true << true;
    // clang-format on
}

void ResultNamesTest::stepResult()
{
    QFETCH(bool, beforeExists);
    QFETCH(bool, afterExists);
    QFETCH(bool, afterRegular);
    QFETCH(int, afterSize);
    QFETCH(int, afterTime);
    QFETCH(bool, result);
    QFETCH(bool, touched);

    const FileState before = beforeExists ? FileState{true, true, 10, 1, 42} : FileState{};
    const FileState after =
        afterExists ? FileState{true, afterRegular, std::uint64_t(afterSize), afterTime, 42} : FileState{};
    QCOMPARE(IsResult(after), result);
    QCOMPARE(StepTouched(before, after), touched);
}

QTEST_GUILESS_MAIN(ResultNamesTest)
#include "tst_resultnames.moc"
