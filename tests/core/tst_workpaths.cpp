#include "core/WorkPaths.h"

#include <QTest>

using namespace marulo;

Q_DECLARE_METATYPE(marulo::PathStyle)

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string S(const QString& text)
{
    return text.toStdString();
}

} // namespace

class WorkPathsTest : public QObject {
    Q_OBJECT

private slots:
    void baseFolder_data();
    void baseFolder();
    void inputPathOf_data();
    void inputPathOf();
    void namesOfAConversion_data();
    void namesOfAConversion();
    void stems_data();
    void stems();
    void inputNameOfAShortPath();
    void japaneseFolderGivesTheSameName();
};

void WorkPathsTest::baseFolder_data()
{
    // clang-format off
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("base");

    const auto W = PathStyle::Windows;
    const auto P = PathStyle::Posix;
    QTest::newRow("drive root kept") << W << "D:\\" << "D:\\";
    QTest::newRow("lower-case drive root kept") << W << "d:\\" << "d:\\";
    QTest::newRow("folder gains one") << W << "D:\\music" << "D:\\music\\";
    QTest::newRow("nested") << W << "C:\\a\\b\\c" << "C:\\a\\b\\c\\";
    QTest::newRow("drive without backslash") << W << "D:" << "D:\\";
    QTest::newRow("share") << W << "\\\\server\\share" << "\\\\server\\share\\";
    QTest::newRow("no drive letter") << W << "music" << "music\\";
    QTest::newRow("Japanese") << W << "D:\\音楽" << "D:\\音楽\\";
    QTest::newRow("Windows empty") << W << "" << "\\";
    QTest::newRow("POSIX root kept") << P << "/" << "/";
    QTest::newRow("POSIX folder gains one") << P << "/home/u/music" << "/home/u/music/";
    QTest::newRow("POSIX Japanese") << P << "/home/u/音楽" << "/home/u/音楽/";
    QTest::newRow("POSIX backslash is a character") << P << "/tmp/a\\b" << "/tmp/a\\b/";
    QTest::newRow("POSIX empty") << P << "" << "/";
    // clang-format on
}

void WorkPathsTest::baseFolder()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, base);
    QCOMPARE(Q(BaseFolder(S(folder), style)), base);
}

void WorkPathsTest::inputPathOf_data()
{
    // clang-format off
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path");

    QTest::newRow("drive root") << PathStyle::Windows << "D:\\" << "song.wav" << "D:\\song.wav";
    QTest::newRow("folder") << PathStyle::Windows << "D:\\music" << "song.wav" << "D:\\music\\song.wav";
    QTest::newRow("POSIX root") << PathStyle::Posix << "/" << "song.wav" << "/song.wav";
    QTest::newRow("POSIX folder") << PathStyle::Posix << "/m" << "曲.wav" << "/m/曲.wav";
    // clang-format on
}

void WorkPathsTest::inputPathOf()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, path);
    QCOMPARE(Q(InputPathOf(S(folder), S(file), style)), path);
}

// One row per conversion: the opened folder and selected file, and every name
// derived from them.
void WorkPathsTest::namesOfAConversion_data()
{
    // clang-format off
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("inputName");
    QTest::addColumn<QString>("stem3");
    QTest::addColumn<QString>("stem4");
    QTest::addColumn<QString>("workFolder");
    QTest::addColumn<QString>("workWav");
    QTest::addColumn<QString>("flacWav");
    QTest::addColumn<QString>("output");

    const auto W = PathStyle::Windows;
    const auto P = PathStyle::Posix;
    QTest::newRow("folder, MP3") << W << "D:\\music" << "song.wav" << "mp3" << "D:\\music\\" << "song.wav" << "song."
        << "song" << "D:\\music\\Zorvik" << "D:\\music\\Zorvik\\song.wav" << "D:\\music\\Zorvik\\songwav"
        << "D:\\music\\Zorvik\\song.mp3";
    QTest::newRow("drive root, MP3") << W << "D:\\" << "song.wav" << "mp3" << "D:\\" << "song.wav" << "song."
        << "song" << "D:\\Zorvik" << "D:\\Zorvik\\song.wav" << "D:\\Zorvik\\songwav" << "D:\\Zorvik\\song.mp3";
    QTest::newRow("nested, FLAC") << W << "C:\\a\\b\\c" << "song.wav" << "flac" << "C:\\a\\b\\c\\" << "song.wav"
        << "song." << "song" << "C:\\a\\b\\c\\Zorvik" << "C:\\a\\b\\c\\Zorvik\\song.wav"
        << "C:\\a\\b\\c\\Zorvik\\songwav" << "C:\\a\\b\\c\\Zorvik\\song.flac";
    QTest::newRow("upper case, MP3") << W << "D:\\music" << "SONG.WAV" << "mp3" << "D:\\music\\" << "SONG.WAV"
        << "SONG." << "SONG" << "D:\\music\\Zorvik" << "D:\\music\\Zorvik\\SONG.wav" << "D:\\music\\Zorvik\\SONGwav"
        << "D:\\music\\Zorvik\\SONG.mp3";
    QTest::newRow("decode FLAC") << W << "D:\\music" << "song.flac" << "flac" << "D:\\music\\" << "song.flac"
        << "song.f" << "song." << "D:\\music\\Zorvik" << "D:\\music\\Zorvik\\song.fwav"
        << "D:\\music\\Zorvik\\song.wav" << "D:\\music\\Zorvik\\song.fflac";
    QTest::newRow("decode TTA") << W << "D:\\music" << "song.tta" << "tta" << "D:\\music\\" << "song.tta" << "song."
        << "song" << "D:\\music\\Zorvik" << "D:\\music\\Zorvik\\song.wav" << "D:\\music\\Zorvik\\songwav"
        << "D:\\music\\Zorvik\\song.tta";
    QTest::newRow("Japanese folder and file") << W << "D:\\音楽\\アルバム" << "曲名.wav" << "ogg" << "D:\\音楽\\アルバム\\"
        << "曲名.wav" << "曲名." << "曲名" << "D:\\音楽\\アルバム\\Zorvik" << "D:\\音楽\\アルバム\\Zorvik\\曲名.wav"
        << "D:\\音楽\\アルバム\\Zorvik\\曲名wav" << "D:\\音楽\\アルバム\\Zorvik\\曲名.ogg";
    QTest::newRow("Japanese FLAC stem") << W << "D:\\音楽" << "曲.flac" << "flac" << "D:\\音楽\\" << "曲.flac" << "曲.f"
        << "曲." << "D:\\音楽\\Zorvik" << "D:\\音楽\\Zorvik\\曲.fwav" << "D:\\音楽\\Zorvik\\曲.wav"
        << "D:\\音楽\\Zorvik\\曲.fflac";
    QTest::newRow("WAV mode: same name, other folder") << W << "D:\\music" << "song.wav" << "" << "D:\\music\\"
        << "song.wav" << "song." << "song" << "D:\\music\\Zorvik" << "D:\\music\\Zorvik\\song.wav"
        << "D:\\music\\Zorvik\\songwav" << "D:\\music\\Zorvik\\song.";
    QTest::newRow("POSIX folder") << P << "/home/u/music" << "song.wav" << "mp3" << "/home/u/music/" << "song.wav"
        << "song." << "song" << "/home/u/music/Zorvik" << "/home/u/music/Zorvik/song.wav"
        << "/home/u/music/Zorvik/songwav" << "/home/u/music/Zorvik/song.mp3";
    QTest::newRow("POSIX root") << P << "/" << "song.wav" << "aac" << "/" << "song.wav" << "song." << "song"
        << "/Zorvik" << "/Zorvik/song.wav" << "/Zorvik/songwav" << "/Zorvik/song.aac";
    QTest::newRow("POSIX upper case FLAC") << P << "/m" << "SONG.FLAC" << "mp2" << "/m/" << "SONG.FLAC" << "SONG.F"
        << "SONG." << "/m/Zorvik" << "/m/Zorvik/SONG.Fwav" << "/m/Zorvik/SONG.wav" << "/m/Zorvik/SONG.Fmp2";
    QTest::newRow("POSIX Japanese with blanks") << P << "/home/u/私の 音楽" << "歌 1.wav" << "mp3" << "/home/u/私の 音楽/"
        << "歌 1.wav" << "歌 1." << "歌 1" << "/home/u/私の 音楽/Zorvik" << "/home/u/私の 音楽/Zorvik/歌 1.wav"
        << "/home/u/私の 音楽/Zorvik/歌 1wav" << "/home/u/私の 音楽/Zorvik/歌 1.mp3";
    // clang-format on
}

void WorkPathsTest::namesOfAConversion()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, extension);

    const std::string base = BaseFolder(S(folder), style);
    const std::string input = InputPathOf(S(folder), S(file), style);
    const std::string name = InputName(input, base);
    const std::string stem3 = Stem3(name);
    const std::string stem4 = Stem4(name);

    QTEST(Q(base), "base");
    QTEST(Q(name), "inputName");
    QTEST(Q(stem3), "stem3");
    QTEST(Q(stem4), "stem4");
    QTEST(Q(WorkFolder(base)), "workFolder");
    QTEST(Q(WorkWavPath(base, stem3, style)), "workWav");
    QTEST(Q(FlacWavPath(base, stem4, style)), "flacWav");
    QTEST(Q(OutputPath(base, stem3, S(extension), style)), "output");
}

void WorkPathsTest::stems_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stem3");
    QTest::addColumn<QString>("stem4");

    QTest::newRow("wav") << "song.wav" << "song." << "song";
    QTest::newRow("flac") << "song.flac" << "song.f" << "song.";
    QTest::newRow("mp1") << "a.mp1" << "a." << "a";
    QTest::newRow("Japanese") << "日本語.wav" << "日本語." << "日本語";
    QTest::newRow("Japanese flac") << "日本語.flac" << "日本語.f" << "日本語.";
    QTest::newRow("Japanese extension") << "歌.ウェブ" << "歌." << "歌";
    QTest::newRow("full-width") << "ａｂｃ．ｗａｖ" << "ａｂｃ．" << "ａｂｃ";
    QTest::newRow("four-byte characters") << "🎵🎶.wav" << "🎵🎶." << "🎵🎶";
    QTest::newRow("four characters") << "abcd" << "a" << "";
    QTest::newRow("three characters") << "abc" << "" << "";
    QTest::newRow("Japanese three") << "あいう" << "" << "";
    QTest::newRow("two characters") << "ab" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
    // clang-format on
}

void WorkPathsTest::stems()
{
    QFETCH(QString, name);
    QTEST(Q(Stem3(S(name))), "stem3");
    QTEST(Q(Stem4(S(name))), "stem4");
}

void WorkPathsTest::inputNameOfAShortPath()
{
    // No selection gives an empty input path; its names are all empty.
    QCOMPARE(Q(InputName("", "D:\\music\\")), QString());
    QCOMPARE(Q(InputName("D:\\music\\", "D:\\music\\")), QString());
    QCOMPARE(Q(Stem3(InputName("", "D:\\music\\"))), QString());
    // Malformed UTF-8 is cut without running off either end.
    QCOMPARE(QByteArray::fromStdString(Stem3("\x80\x80\xE3\x81.wav")), QByteArray("\x80\x80\xE3\x81."));
    QCOMPARE(QByteArray::fromStdString(Stem4("\xE3\x81")), QByteArray());
}

void WorkPathsTest::japaneseFolderGivesTheSameName()
{
    for (const PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
        const char* separator = style == PathStyle::Windows ? "\\" : "/";
        for (const std::string& folder : {std::string("C:") + separator + "music", std::string("C:") + separator + "ソ",
                                          std::string("C:") + separator + "表示" + separator + "能力"}) {
            const std::string base = BaseFolder(folder, style);
            QCOMPARE(Q(InputName(InputPathOf(folder, "song.wav", style), base)), QStringLiteral("song.wav"));
        }
    }
}

QTEST_APPLESS_MAIN(WorkPathsTest)
#include "tst_workpaths.moc"
