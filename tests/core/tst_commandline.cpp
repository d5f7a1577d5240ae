#include "core/CommandLine.h"

#include "tests/core/WindowsSplit.h"

#include <QStringList>
#include <QTest>

using namespace marulo;

namespace {

QStringList ToList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// Names a converter may meet as a file or folder name, on either platform.
QStringList UnusualNames()
{
    return {
        QStringLiteral("song.wav"),
        QStringLiteral("C:\\music\\Zorvik\\song.wav"),
        QStringLiteral("my song.wav"),
        QStringLiteral("C:\\my music\\Zorvik\\my song.wav"),
        QStringLiteral("two  blanks"),
        QStringLiteral(" leading blank"),
        QStringLiteral("trailing blank "),
        QStringLiteral("tab\there"),
        QStringLiteral("say \"hi\".wav"),
        QStringLiteral("\""),
        QStringLiteral("\"\""),
        QStringLiteral("ends in quote\""),
        QStringLiteral(""),
        QStringLiteral("-leading-dash.wav"),
        QStringLiteral("--decode"),
        QStringLiteral("back\\slash"),
        QStringLiteral("C:\\folder\\"),
        QStringLiteral("C:\\my folder\\"),
        QStringLiteral("C:\\my folder\\\\"),
        QStringLiteral("a\\\"b"),
        QStringLiteral("a\\\\\"b c"),
        QStringLiteral("\\\\server\\share\\x y"),
        QStringLiteral("/home/user/My Music/曲 1.wav"),
        QStringLiteral("日本語のフォルダ\\歌.wav"),
        QStringLiteral("全角　空白.wav"), // U+3000 is not a separator
        QStringLiteral("/tmp/it's here/x.wav"),
        QStringLiteral("%PATH% & ^ | < >.wav"),
        QStringLiteral("$(echo) `x` *?.wav"),
    };
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void textIsSplitAtBlanks_data();
    void textIsSplitAtBlanks();
    void pathIsOneArgument_data();
    void pathIsOneArgument();
    void plainPathsKeepTheLineByteForByte();
    void quotedPathsFollowWindowsRules_data();
    void quotedPathsFollowWindowsRules();
    void pathGluesToTouchingText_data();
    void pathGluesToTouchingText();
    void controlTextWithQuoteStaysInItsArgument();
    void windowsSplitOfTextGivesArgumentsForEveryPair();
    void pathIsNotTextThatReadsAlike();
};

void CommandLineTest::textIsSplitAtBlanks_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("single") << "lame.exe" << QStringList{"lame.exe"};
    QTest::newRow("runs of blanks") << "lame.exe  -m j -b 128 -q 2 "
                                    << QStringList{"lame.exe", "-m", "j", "-b", "128", "-q", "2"};
    QTest::newRow("three blanks") << "ttaenc.exe   -e" << QStringList{"ttaenc.exe", "-e"};
    QTest::newRow("leading and trailing") << "  a  " << QStringList{"a"};
    QTest::newRow("tab separates") << "a\tb \t c" << QStringList{"a", "b", "c"};
    QTest::newRow("only blanks") << "   " << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("empty bitrate") << "lame.exe  -m j -b  -q 2 " << QStringList{"lame.exe", "-m", "j", "-b", "-q", "2"};
    QTest::newRow("lone dash") << "aacenc.exe  - " << QStringList{"aacenc.exe", "-"};
    QTest::newRow("blank inside a control text") << " -b 1 2" << QStringList{"-b", "1", "2"};
    QTest::newRow("full-width blank is no separator") << "x　y" << QStringList{"x　y"};
    // clang-format on
}

void CommandLineTest::textIsSplitAtBlanks()
{
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);

    CommandLine line;
    line.appendText(text.toStdString());
    QCOMPARE(Q(line.text()), text);
    QCOMPARE(ToList(line.arguments()), arguments);
}

void CommandLineTest::pathIsOneArgument_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    for (const QString& name : UnusualNames())
        QTest::newRow(qUtf8Printable(name.isEmpty() ? QStringLiteral("<empty>") : name)) << name;
    // clang-format on
}

void CommandLineTest::pathIsOneArgument()
{
    QFETCH(QString, path);
    const std::string p = path.toStdString();

    CommandLine line;
    line.appendText("tool.exe  -o ").appendPath(p).appendText(" ").appendPath(p).appendText(" -x");

    const QStringList expected{"tool.exe", "-o", path, path, "-x"};
    QCOMPARE(ToList(line.arguments()), expected);
    QCOMPARE(ToList(test::SplitWindowsCommandLine(line.text())), expected);
}

void CommandLineTest::plainPathsKeepTheLineByteForByte()
{
    CommandLine line;
    line.appendText("lame.exe  -m j -b 128 -q 2 ")
        .appendText(" ")
        .appendPath("C:\\music\\Zorvik\\song.wav")
        .appendText(" ")
        .appendPath("C:\\music\\Zorvik\\song.mp3");
    QCOMPARE(Q(line.text()),
             QStringLiteral("lame.exe  -m j -b 128 -q 2  C:\\music\\Zorvik\\song.wav C:\\music\\Zorvik\\song.mp3"));

    CommandLine japanese;
    japanese.appendText("flac.exe  -8 ")
        .appendPath("/音楽/曲.wav")
        .appendText(" -o ")
        .appendPath("/音楽/Zorvik/曲.flac");
    QCOMPARE(Q(japanese.text()), QStringLiteral("flac.exe  -8 /音楽/曲.wav -o /音楽/Zorvik/曲.flac"));
}

void CommandLineTest::quotedPathsFollowWindowsRules_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("written");

    QTest::newRow("blank") << "C:\\my music\\song.wav" << "\"C:\\my music\\song.wav\"";
    QTest::newRow("trailing backslash doubled") << "C:\\my dir\\" << "\"C:\\my dir\\\\\"";
    QTest::newRow("backslash before quote") << "a\\\"b" << "\"a\\\\\\\"b\"";
    QTest::newRow("quote") << "say \"hi\"" << "\"say \\\"hi\\\"\"";
    QTest::newRow("empty") << "" << "\"\"";
    QTest::newRow("tab") << "a\tb" << "\"a\tb\"";
    QTest::newRow("inner backslashes stay single") << "C:\\a b\\c" << "\"C:\\a b\\c\"";
    QTest::newRow("no blank: unquoted") << "C:\\dir\\" << "C:\\dir\\";
    QTest::newRow("leading dash: unquoted") << "-x.wav" << "-x.wav";
    // clang-format on
}

void CommandLineTest::quotedPathsFollowWindowsRules()
{
    QFETCH(QString, path);
    QFETCH(QString, written);

    CommandLine line;
    line.appendText("x.exe ").appendPath(path.toStdString());
    QCOMPARE(Q(line.text()), QStringLiteral("x.exe ") + written);
}

void CommandLineTest::pathGluesToTouchingText_data()
{
    // clang-format off
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("text before") << "x.exe -o" << "out file" << "" << QStringList{"x.exe", "-oout file"};
    QTest::newRow("text after") << "x.exe " << "stem" << "wav -y" << QStringList{"x.exe", "stemwav", "-y"};
    QTest::newRow("blank before") << "x.exe -o " << "a b" << " " << QStringList{"x.exe", "-o", "a b"};
    QTest::newRow("empty path glued") << "x.exe -q" << "" << "" << QStringList{"x.exe", "-q"};
    QTest::newRow("empty path alone") << "x.exe " << "" << " -y" << QStringList{"x.exe", "", "-y"};
    QTest::newRow("backslash text before quoted path") << "x.exe a\\" << "b c" << ""
                                                       << QStringList{"x.exe", "a\\b c"};
    // clang-format on
}

void CommandLineTest::pathGluesToTouchingText()
{
    QFETCH(QString, before);
    QFETCH(QString, path);
    QFETCH(QString, after);
    QFETCH(QStringList, arguments);

    CommandLine line;
    line.appendText(before.toStdString()).appendPath(path.toStdString()).appendText(after.toStdString());
    QCOMPARE(ToList(line.arguments()), arguments);
    QCOMPARE(ToList(test::SplitWindowsCommandLine(line.text())), arguments);
}

void CommandLineTest::controlTextWithQuoteStaysInItsArgument()
{
    // A quote typed into a control must not open a quoted stretch that would
    // swallow the paths after it.
    CommandLine line;
    line.appendText("lame.exe  -m j -b 1\"8 -q 2  ").appendPath("in.wav").appendText(" ").appendPath("out.mp3");
    const QStringList expected{"lame.exe", "-m", "j", "-b", "1\"8", "-q", "2", "in.wav", "out.mp3"};
    QCOMPARE(ToList(line.arguments()), expected);
    QCOMPARE(ToList(test::SplitWindowsCommandLine(line.text())), expected);
}

void CommandLineTest::windowsSplitOfTextGivesArgumentsForEveryPair()
{
    const QStringList names = UnusualNames();
    const QStringList texts{" ", "  ", " -o ", " -if ", "-o ", "", " -x", "\\"};
    int checked = 0;
    for (const QString& first : names) {
        for (const QString& second : names) {
            for (const QString& between : texts) {
                CommandLine line;
                line.appendText("tool.exe ")
                    .appendPath(first.toStdString())
                    .appendText(between.toStdString())
                    .appendPath(second.toStdString());
                const QStringList arguments = ToList(line.arguments());
                QCOMPARE(ToList(test::SplitWindowsCommandLine(line.text())), arguments);
                // Wherever a blank separates them, each path is an argument of its own.
                if (between.startsWith(' ') && between.endsWith(' ')) {
                    QVERIFY(arguments.contains(first));
                    QCOMPARE(arguments.last(), second);
                }
                ++checked;
            }
        }
    }
    QVERIFY(checked > 1000);
}

void CommandLineTest::pathIsNotTextThatReadsAlike()
{
    CommandLine joined;
    joined.appendText("x.exe  -a ").appendText(" ").appendPath("a b");
    QCOMPARE(ToList(joined.arguments()), (QStringList{"x.exe", "-a", "a b"}));
    QCOMPARE(Q(joined.text()), QStringLiteral("x.exe  -a  \"a b\""));

    CommandLine asText;
    asText.appendText("x.exe  -a  a b");
    QVERIFY(!(joined == asText)); // a path is not the same as text that reads alike
    QVERIFY(CommandLine().empty());
    QVERIFY(!joined.empty());
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
