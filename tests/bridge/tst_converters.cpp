// The converter bridge on its own: every name with every command form the
// front end sends, the refusals, and what is left on disk after a failure.
#include "tests/support/AudioCheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace marulo::test;

namespace {

const QString kBridgeDir = QStringLiteral(MARULO_BRIDGE_DIR);

// A command line as the front end joins it, runs of blanks and all, with the
// words IN and OUT standing for the two paths. Blanks separate arguments and
// never make an empty one; each path stays one argument whatever it holds.
struct Command {
    QString program;
    QStringList args;
};

Command command(const QString& line, const QString& in, const QString& out)
{
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    Command result{kBridgeDir + '/' + words.takeFirst(), {}};
    for (const QString& word : words)
        result.args << (word == "IN" ? in : word == "OUT" ? out : word);
    return result;
}

Run runLine(const QString& line, const QString& in, const QString& out,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const Command c = command(line, in, out);
    return runProgram(c.program, c.args, environment);
}

QString lastLine(const QByteArray& text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return QString::fromUtf8(lines.isEmpty() ? QByteArray() : lines.last());
}

} // namespace

class BridgeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void encodes_data();
    void encodes();
    void decodesToWav_data();
    void decodesToWav();
    void losslessRoundTrip_data();
    void losslessRoundTrip();
    void normalizesPeak_data();
    void normalizesPeak();
    void aacPresetsGrowFromTapeToUltra();
    void reportsProgress_data();
    void reportsProgress();

    void refusesBadInput_data();
    void refusesBadInput();
    void keepsEarlierOutputWhenToolFails();
    void namesPackageOfMissingTool_data();
    void namesPackageOfMissingTool();
    void removesTemporaryFileWhenStopped();
    void refusesUnknownName();

private:
    QString input(const QString& kind) const { return inputs_.filePath(kind); }
    // A fresh empty folder for one row's output.
    QString outputFolder();

    QTemporaryDir work_;
    QDir inputs_;
    int folders_ = 0;
};

void BridgeTest::initTestCase()
{
    QVERIFY(work_.isValid());
    QVERIFY(QDir(work_.path()).mkpath("in"));
    inputs_ = QDir(work_.filePath("in"));
    QVERIFY(makeWav(input("stereo.wav"), 2));
    QVERIFY(makeWav(input("mono.wav"), 1));
    QVERIFY(makeWav(input("stereo24.wav"), 2, 1.0, 24));
    QVERIFY(makeWav(input("noise.wav"), 2, 1.0, 16, Signal::Noise));
    QVERIFY(makeWav(input("pluck.wav"), 2, 1.0, 16, Signal::Pluck));
    QVERIFY(QFile::copy(input("stereo.wav"), input("音楽 ファイル.wav")));
    // Digital silence: no dither, every sample zero.
    QCOMPARE(
        runProgram("sox", {"-D", "-n", "-r", "44100", "-b", "16", "-c", "2", input("silent.wav"), "trim", "0", "1"})
            .exitCode,
        0);

    // Sources for the decoders, made by the Debian tools directly.
    QCOMPARE(runProgram("lame", {"--quiet", input("stereo.wav"), input("song.mp3")}).exitCode, 0);
    QCOMPARE(runProgram("twolame", {"--quiet", input("stereo.wav"), input("song.mp2")}).exitCode, 0);
    QVERIFY(writeLayerOneFile(input("song.mp1")));
    QCOMPARE(runProgram("flac", {"--silent", input("stereo.wav"), "-o", input("song.flac")}).exitCode, 0);
    QCOMPARE(
        runProgram("ffmpeg", {"-v", "error", "-i", input("stereo.wav"), "-c:a", "tta", input("song.tta")}).exitCode, 0);

    // A few seconds, for the progress the converters report.
    QVERIFY(makeWav(input("long.wav"), 2, 4.0));
    QCOMPARE(runProgram("lame", {"--quiet", input("long.wav"), input("long.mp3")}).exitCode, 0);
    QCOMPARE(runProgram("flac", {"--silent", input("long.wav"), "-o", input("long.flac")}).exitCode, 0);
    QCOMPARE(runProgram("ffmpeg", {"-v", "error", "-i", input("long.wav"), "-c:a", "tta", input("long.tta")}).exitCode,
             0);
}

QString BridgeTest::outputFolder()
{
    const QString name = QString("out%1").arg(++folders_);
    QDir(work_.path()).mkdir(name);
    return work_.filePath(name);
}

void BridgeTest::encodes_data()
{
    // clang-format off
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("bitRate"); // empty: not a constant bitrate

    auto row = [](const char* name, const char* line, const char* source, const char* out, const char* format,
                  const char* codec, int channels, const char* bitRate = "") {
        QTest::newRow(name) << line << source << out << format << codec << channels << bitRate;
    };
    row("mp3 defaults", "lame.exe  -m j -b 128 -q 2  IN OUT", "stereo.wav", "song.mp3", "mp3", "mp3", 2, "128000");
    row("mp3 mono", "lame.exe  -m m -b 64 -q 2  IN OUT", "mono.wav", "song.mp3", "mp3", "mp3", 1, "64000");
    row("mp3 dual channel", "lame.exe  -m d -b 192 -q 9  IN OUT", "stereo.wav", "song.mp3", "mp3", "mp3", 2,
        "192000");
    row("mp3 abr, protected", "lame.exe  -p -m j --abr 128 -B 320 -b 64 -q 2  IN OUT", "stereo.wav", "song.mp3",
        "mp3", "mp3", 2);
    row("mp3 vbr old, range", "lame.exe  -m j -v --vbr-old -V 4 -F -b 64 -B 320 -q 2  IN OUT", "stereo.wav",
        "song.mp3", "mp3", "mp3", 2);
    row("mp3 vbr new", "lame.exe  -m s -v --vbr-new -V 0 -q 0  IN OUT", "stereo.wav", "song.mp3", "mp3", "mp3", 2);
    row("mp3 vbr old", "lame.exe  -m j -v --vbr-old -V 9 -q 2  IN OUT", "stereo.wav", "song.mp3", "mp3", "mp3", 2);
    row("mp2 defaults", "toolame.exe  -b 128 -m j  IN OUT", "stereo.wav", "song.mp2", "mp3", "mp2", 2, "128000");
    row("mp2 downmix, protected", "toolame.exe  -e -b 128 -a -m m  IN OUT", "stereo.wav", "song.mp2", "mp3", "mp2",
        1, "128000");
    row("mp2 stereo", "toolame.exe  -b 192 -m s  IN OUT", "stereo.wav", "song.mp2", "mp3", "mp2", 2, "192000");
    row("mp2 dual", "toolame.exe  -b 256 -m d  IN OUT", "stereo.wav", "song.mp2", "mp3", "mp2", 2, "256000");
    row("mp2 mono input", "toolame.exe  -b 64 -m m  IN OUT", "mono.wav", "song.mp2", "mp3", "mp2", 1, "64000");
    row("ogg bitrate", "oggenc.exe  -b 128  IN -o OUT", "stereo.wav", "song.ogg", "ogg", "vorbis", 2);
    row("ogg abr, downmix", "oggenc.exe  --downmix  -m 64 -M 320 -b 128  IN -o OUT", "stereo.wav", "song.ogg",
        "ogg", "vorbis", 1);
    row("ogg quality", "oggenc.exe  -q4.00  IN -o OUT", "stereo.wav", "song.ogg", "ogg", "vorbis", 2);
    row("ogg quality 10, downmix", "oggenc.exe  --downmix  -q10  IN -o OUT", "stereo.wav", "song.ogg", "ogg",
        "vorbis", 1);
    row("ogg mono", "oggenc.exe  -q0.00  IN -o OUT", "mono.wav", "song.ogg", "ogg", "vorbis", 1);
    row("aac bitrate", "aacenc.exe  -br 128  -if IN -of OUT", "stereo.wav", "song.aac", "aac", "aac", 2);
    row("aac preset", "aacenc.exe  -normal  -if IN -of OUT", "stereo.wav", "song.aac", "aac", "aac", 2);
    row("aac mono", "aacenc.exe  -tape  -if IN -of OUT", "mono.wav", "song.aac", "aac", "aac", 1);
    row("flac defaults", "flac.exe  -8 IN -o OUT", "stereo.wav", "song.flac", "flac", "flac", 2);
    row("flac fastest, mono", "flac.exe  -0 IN -o OUT", "mono.wav", "song.flac", "flac", "flac", 1);
    row("tta", "ttaenc.exe   -e IN -o OUT", "stereo.wav", "song.tta", "tta", "tta", 2);
    row("tta mono", "ttaenc.exe   -e IN -o OUT", "mono.wav", "song.tta", "tta", "tta", 1);
    row("normalise", "normalize.exe -m 90 -o OUT IN", "stereo.wav", "song.wav", "wav", "pcm_s16le", 2);
    row("mp3, blank and Japanese", "lame.exe  -m j -b 128 -q 2  IN OUT", "音楽 ファイル.wav", "出力 結果.mp3", "mp3",
        "mp3", 2, "128000");
    row("ogg, blank and Japanese", "oggenc.exe  -q4.00  IN -o OUT", "音楽 ファイル.wav", "出力 結果.ogg", "ogg",
        "vorbis", 2);
    row("normalise, blank and Japanese", "normalize.exe -m 90 -o OUT IN", "音楽 ファイル.wav", "出力 結果.wav",
        "wav", "pcm_s16le", 2);
    // clang-format on
}

void BridgeTest::encodes()
{
    QFETCH(QString, line);
    QFETCH(QString, source);
    QFETCH(QString, outName);
    QFETCH(QString, format);
    QFETCH(QString, codec);
    QFETCH(int, channels);
    QFETCH(QString, bitRate);

    const QString folder = outputFolder();
    const QString out = folder + '/' + outName;
    const QByteArray before = fileBytes(input(source));
    const Run run = runLine(line, input(source), out);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());

    QCOMPARE(probe(out, "format_name"), format);
    QCOMPARE(probe(out, "codec_name", true), codec);
    QCOMPARE(probe(out, "channels", true).toInt(), channels);
    if (!bitRate.isEmpty())
        QCOMPARE(probe(out, "bit_rate", true), bitRate);
    if (codec == "mp2") {
        // The protection bit of the first frame header is 0 when a CRC follows.
        const bool wantCrc = line.contains(" -e ");
        QCOMPARE((fileBytes(out).at(1) & 1) == 0, wantCrc);
    }
    QCOMPARE(fileBytes(input(source)), before);
    QCOMPARE(entriesOf(folder), QStringList{outName});
}

void BridgeTest::decodesToWav_data()
{
    // clang-format off
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("channels");
    QTest::newRow("mp3") << "lame.exe --decode IN OUT" << "song.mp3" << 2;
    QTest::newRow("mp2") << "lame.exe --decode IN OUT" << "song.mp2" << 2;
    QTest::newRow("mp1") << "lame.exe --decode IN OUT" << "song.mp1" << 1;
    QTest::newRow("flac") << "flac.exe -d IN -o OUT" << "song.flac" << 2;
    QTest::newRow("tta") << "ttaenc.exe -d IN -o OUT" << "song.tta" << 2;
    // clang-format on
}

void BridgeTest::decodesToWav()
{
    QFETCH(QString, line);
    QFETCH(QString, source);
    QFETCH(int, channels);

    const QString folder = outputFolder();
    const QString out = folder + "/song.wav";
    const Run run = runLine(line, input(source), out);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());

    QCOMPARE(probe(out, "format_name"), QString("wav"));
    const Pcm pcm = readWav(out);
    QCOMPARE(pcm.channels, channels);
    QCOMPARE(pcm.bits, 16);
    QCOMPARE(pcm.rate, 44100);
    const double seconds = double(pcm.samples.size()) / (pcm.channels * 2 * pcm.rate);
    QVERIFY2(seconds > 0.8 && seconds < 1.2, qPrintable(QString::number(seconds)));
    QVERIFY(peakFraction(pcm) > 0.1);
    QCOMPARE(entriesOf(folder), QStringList{"song.wav"});
}

void BridgeTest::losslessRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<QString>("encode");
    QTest::addColumn<QString>("decode");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("source");
    const char* sources[] = {"stereo.wav", "mono.wav", "stereo24.wav", "noise.wav"};
    for (const char* source : sources) {
        QTest::addRow("flac %s", source) << "flac.exe  -8 IN -o OUT" << "flac.exe -d IN -o OUT" << "flac" << source;
        QTest::addRow("flac -0 %s", source) << "flac.exe  -0 IN -o OUT" << "flac.exe -d IN -o OUT" << "flac"
                                            << source;
        QTest::addRow("tta %s", source) << "ttaenc.exe   -e IN -o OUT" << "ttaenc.exe -d IN -o OUT" << "tta"
                                        << source;
    }
    // clang-format on
}

void BridgeTest::losslessRoundTrip()
{
    QFETCH(QString, encode);
    QFETCH(QString, decode);
    QFETCH(QString, extension);
    QFETCH(QString, source);

    const QString folder = outputFolder();
    const QString packed = folder + "/song." + extension;
    const QString unpacked = folder + "/song.wav";
    Run run = runLine(encode, input(source), packed);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    run = runLine(decode, packed, unpacked);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());

    const Pcm original = readWav(input(source));
    const Pcm back = readWav(unpacked);
    QVERIFY(original.valid());
    QCOMPARE(back.channels, original.channels);
    QCOMPARE(back.bits, original.bits);
    QCOMPARE(back.rate, original.rate);
    QCOMPARE(back.samples.size(), original.samples.size());
    QVERIFY(back.samples == original.samples);
}

void BridgeTest::normalizesPeak_data()
{
    // clang-format off
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("peak");
    QTest::newRow("90, stereo, raised") << "90" << "stereo.wav" << 16 << 0.9;
    QTest::newRow("90, mono") << "90" << "mono.wav" << 16 << 0.9;
    QTest::newRow("90, 24-bit") << "90" << "stereo24.wav" << 24 << 0.9;
    QTest::newRow("25, lowered") << "25" << "noise.wav" << 16 << 0.25;
    QTest::newRow("100") << "100" << "stereo.wav" << 16 << 1.0;
    QTest::newRow("0 is silence") << "0" << "stereo.wav" << 16 << 0.0;
    QTest::newRow("silence stays silent") << "90" << "silent.wav" << 16 << 0.0;
    // clang-format on
}

void BridgeTest::normalizesPeak()
{
    QFETCH(QString, level);
    QFETCH(QString, source);
    QFETCH(int, bits);
    QFETCH(double, peak);

    const QString folder = outputFolder();
    const QString out = folder + "/song.wav";
    const QByteArray before = fileBytes(input(source));
    const Run run = runProgram(kBridgeDir + "/normalize.exe", {"-m", level, "-o", out, input(source)});
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());

    const Pcm pcm = readWav(out);
    QCOMPARE(pcm.bits, bits);
    QCOMPARE(pcm.samples.size(), readWav(input(source)).samples.size());
    const double measured = peakFraction(pcm);
    QVERIFY2(std::fabs(measured - peak) <= 0.005 * peak, qPrintable(QString("peak %1").arg(measured)));
    QCOMPARE(fileBytes(input(source)), before);
}

void BridgeTest::aacPresetsGrowFromTapeToUltra()
{
    const QString folder = outputFolder();
    qint64 previous = 0;
    for (const char* preset : {"tape", "radio", "internet", "streaming", "normal", "extreme", "archive", "ultra"}) {
        const QString out = folder + '/' + preset + ".aac";
        const Run run =
            runProgram(kBridgeDir + "/aacenc.exe", {QString("-") + preset, "-if", input("pluck.wav"), "-of", out});
        QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
        const qint64 size = QFileInfo(out).size();
        QVERIFY2(size > previous, preset);
        previous = size;
    }
}

// Every name reports how far it is on one scale: percentages on standard
// error that start at 0, never fall back and end at 100.
void BridgeTest::reportsProgress_data()
{
    // clang-format off
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("outName");

    QTest::newRow("lame") << "lame.exe  -m j -b 128 -q 2  IN OUT" << "long.wav" << "song.mp3";
    QTest::newRow("lame decoding") << "lame.exe  --decode IN OUT" << "long.mp3" << "song.wav";
    QTest::newRow("toolame") << "toolame.exe  -b 128 -m j  IN OUT" << "long.wav" << "song.mp2";
    QTest::newRow("oggenc") << "oggenc.exe  -q4.00  IN -o OUT" << "long.wav" << "song.ogg";
    QTest::newRow("aacenc") << "aacenc.exe  -br 128  -if IN -of OUT" << "long.wav" << "song.aac";
    QTest::newRow("flac") << "flac.exe  -8 IN -o OUT" << "long.wav" << "song.flac";
    QTest::newRow("flac decoding") << "flac.exe  -d IN -o OUT" << "long.flac" << "song.wav";
    QTest::newRow("ttaenc") << "ttaenc.exe   -e IN -o OUT" << "long.wav" << "song.tta";
    QTest::newRow("ttaenc decoding") << "ttaenc.exe   -d IN -o OUT" << "long.tta" << "song.wav";
    QTest::newRow("normalize") << "normalize.exe -m 90 -o OUT IN" << "long.wav" << "song.wav";
    QTest::newRow("normalize to silence") << "normalize.exe -m 0 -o OUT IN" << "long.wav" << "song.wav";
    // clang-format on
}

void BridgeTest::reportsProgress()
{
    QFETCH(QString, line);
    QFETCH(QString, source);
    QFETCH(QString, outName);

    const Run run = runLine(line, input(source), outputFolder() + '/' + outName);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    QList<double> shares;
    static const QRegularExpression percentage(QStringLiteral("(\\d+(?:\\.\\d+)?)%"));
    for (const QRegularExpressionMatch& match : percentage.globalMatch(QString::fromUtf8(run.err)))
        shares << match.captured(1).toDouble();
    QVERIFY2(shares.size() >= 2, run.err.constData());
    QCOMPARE(shares.first(), 0.0);
    QCOMPARE(shares.last(), 100.0);
    for (qsizetype i = 1; i < shares.size(); ++i)
        QVERIFY2(shares.at(i) >= shares.at(i - 1), run.err.constData());
}

void BridgeTest::refusesBadInput_data()
{
    // clang-format off
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("source"); // "missing" names no file, "folder" a folder
    QTest::addColumn<int>("status");     // 0: any non-zero status
    QTest::addColumn<QString>("message");

    auto row = [](const char* name, const char* line, const char* source, int status, const char* message) {
        QTest::newRow(name) << line << source << status << message;
    };
    row("lame unknown option", "lame.exe  -Z -b 128  IN OUT", "stereo.wav", 2, "unknown option \"-Z\"");
    row("lame channel", "lame.exe  -m x -b 128  IN OUT", "stereo.wav", 2, "\"-m\"");
    row("lame bitrate too high", "lame.exe  -m j -b 384 -q 2  IN OUT", "stereo.wav", 2, "\"-b\"");
    row("lame empty bitrate", "lame.exe  -m j -b  -q 2  IN OUT", "stereo.wav", 2, "\"-b\"");
    row("lame quality", "lame.exe  -m j -b 128 -q x  IN OUT", "stereo.wav", 2, "\"-q\"");
    row("lame vbr quality", "lame.exe  -m j -v --vbr-new -V 12 -q 2  IN OUT", "stereo.wav", 2, "\"-V\"");
    row("lame missing input", "lame.exe  -m j -b 128 -q 2  IN OUT", "missing", 1, "cannot read the input");
    row("lame folder as input", "lame.exe --decode IN OUT", "folder", 1, "is not a file");
    row("lame decode with options", "lame.exe --decode -b 128 IN OUT", "song.mp3", 2, "--decode");
    row("twolame refuses bitrate", "toolame.exe  -b 40 -m j  IN OUT", "stereo.wav", 8, "twolame failed");
    row("toolame bitrate", "toolame.exe  -b 100 -m j  IN OUT", "stereo.wav", 2, "\"-b\"");
    row("toolame unknown", "toolame.exe  -x -b 128 -m j  IN OUT", "stereo.wav", 2, "unknown option");
    row("oggenc refuses bitrate", "oggenc.exe  -b 512  IN -o OUT", "stereo.wav", 0, "oggenc failed");
    row("ogg quality not a number", "oggenc.exe  -qabc  IN -o OUT", "stereo.wav", 2, "\"-q\"");
    row("ogg quality empty", "oggenc.exe  -q  IN -o OUT", "stereo.wav", 2, "\"-q\"");
    row("ogg missing input", "oggenc.exe  -b 128  IN -o OUT", "missing", 1, "cannot read the input");
    row("aac unknown preset", "aacenc.exe  -fast  -if IN -of OUT", "stereo.wav", 2, "unknown option \"-fast\"");
    row("aac empty preset", "aacenc.exe  -  -if IN -of OUT", "stereo.wav", 2, "unknown option \"-\"");
    row("aac bitrate", "aacenc.exe  -br 1000  -if IN -of OUT", "stereo.wav", 2, "\"-br\"");
    row("aac missing input", "aacenc.exe  -br 128  -if IN -of OUT", "missing", 1, "cannot read the input");
    row("flac level 9", "flac.exe  -9 IN -o OUT", "stereo.wav", 2, "0 to 8");
    row("flac empty level", "flac.exe  - IN -o OUT", "stereo.wav", 2, "unknown option \"-\"");
    row("flac decodes a wav", "flac.exe -d IN -o OUT", "stereo.wav", 0, "flac failed");
    row("tta decodes a wav", "ttaenc.exe -d IN -o OUT", "stereo.wav", 1, "not a TTA file");
    row("tta unknown", "ttaenc.exe  -x -e IN -o OUT", "stereo.wav", 2, "unknown option");
    row("tta missing input", "ttaenc.exe   -e IN -o OUT", "missing", 1, "cannot read the input");
    row("normalise above 100", "normalize.exe -m 101 -o OUT IN", "stereo.wav", 2, "\"-m\"");
    row("normalise below 0", "normalize.exe -m -5 -o OUT IN", "stereo.wav", 2, "\"-m\"");
    row("normalise not a number", "normalize.exe -m 9O -o OUT IN", "stereo.wav", 2, "\"-m\"");
    row("normalise without level", "normalize.exe -o OUT IN", "stereo.wav", 2, "-m");
    row("normalise missing input", "normalize.exe -m 90 -o OUT IN", "missing", 1, "cannot read the input");
    // clang-format on
}

void BridgeTest::refusesBadInput()
{
    QFETCH(QString, line);
    QFETCH(QString, source);
    QFETCH(int, status);
    QFETCH(QString, message);

    const QString folder = outputFolder();
    QString in = input(source);
    if (source == "missing")
        in = folder + "/nothing.wav";
    if (source == "folder")
        in = inputs_.path();
    const QByteArray before = fileBytes(in);
    const Run run = runLine(line, in, folder + "/result.out");
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    if (status != 0)
        QCOMPARE(run.exitCode, status);

    // The bridge's own word is one line, the last, after the name it was called by.
    const QString name = line.section(' ', 0, 0);
    const QString last = lastLine(run.err);
    QVERIFY2(last.startsWith(name + ": "), qPrintable(last));
    QVERIFY2(last.contains(message), qPrintable(last));
    QCOMPARE(entriesOf(folder), QStringList());
    QCOMPARE(fileBytes(in), before);
}

void BridgeTest::keepsEarlierOutputWhenToolFails()
{
    const QString folder = outputFolder();
    const QString out = folder + "/song.ogg";
    {
        QFile earlier(out);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier result");
    }
    // oggenc opens its output before it finds the bitrate impossible.
    Run run = runLine("oggenc.exe  -b 512  IN -o OUT", input("stereo.wav"), out);
    QVERIFY(run.finished && run.exitCode != 0);
    QCOMPARE(fileBytes(out), QByteArray("earlier result"));
    QCOMPARE(entriesOf(folder), QStringList{"song.ogg"});

    run = runLine("oggenc.exe  -b 128  IN -o OUT", input("stereo.wav"), out);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    QCOMPARE(probe(out, "codec_name", true), QString("vorbis"));
    QCOMPARE(entriesOf(folder), QStringList{"song.ogg"});

    // The output may never be the input itself.
    const QString in = folder + "/song.wav";
    QVERIFY(QFile::copy(input("stereo.wav"), in));
    run = runProgram(kBridgeDir + "/normalize.exe", {"-m", "50", "-o", in, in});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(fileBytes(in), fileBytes(input("stereo.wav")));
}

void BridgeTest::namesPackageOfMissingTool_data()
{
    // clang-format off
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("package");
    QTest::newRow("lame") << "lame.exe  -m j -b 128 -q 2  IN OUT" << "lame";
    QTest::newRow("lame decode") << "lame.exe --decode IN OUT" << "lame";
    QTest::newRow("toolame") << "toolame.exe  -b 128 -m j  IN OUT" << "twolame";
    QTest::newRow("oggenc") << "oggenc.exe  -b 128  IN -o OUT" << "vorbis-tools";
    QTest::newRow("aacenc") << "aacenc.exe  -br 128  -if IN -of OUT" << "ffmpeg";
    QTest::newRow("flac") << "flac.exe  -8 IN -o OUT" << "flac";
    QTest::newRow("ttaenc") << "ttaenc.exe   -e IN -o OUT" << "ffmpeg";
    QTest::newRow("normalize") << "normalize.exe -m 90 -o OUT IN" << "sox";
    // clang-format on
}

void BridgeTest::namesPackageOfMissingTool()
{
    QFETCH(QString, line);
    QFETCH(QString, package);

    const QString folder = outputFolder();
    const QString emptyPath = folder + "/path";
    QVERIFY(QDir().mkpath(emptyPath));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", emptyPath);

    const QString out = folder + "/result.out";
    const Run run = runLine(line, input(line.contains("--decode") ? "song.mp3" : "stereo.wav"), out, environment);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 127);
    const QString last = lastLine(run.err);
    QVERIFY2(last.contains("Debian package \"" + package + '"'), qPrintable(last));
    QCOMPARE(entriesOf(folder), QStringList{"path"});
}

void BridgeTest::removesTemporaryFileWhenStopped()
{
    const QString long60 = work_.filePath("long.wav");
    QVERIFY(makeWav(long60, 2, 60.0));
    const QString folder = outputFolder();

    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(kBridgeDir + "/lame.exe", {"-m", "j", "-b", "128", "-q", "0", long60, folder + "/long.mp3"});
    // The temporary file is made before the encoder starts: once it is there,
    // the stop request reaches a run in progress.
    QTRY_VERIFY_WITH_TIMEOUT(!entriesOf(folder).isEmpty(), 10000);
    QVERIFY(entriesOf(folder).first().startsWith(".marulo-part-"));
    process.terminate();
    QVERIFY(finished.wait(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + SIGTERM);
    QCOMPARE(entriesOf(folder), QStringList());
}

void BridgeTest::refusesUnknownName()
{
    const Run run = runProgram(QStringLiteral(MARULO_BRIDGE_PROGRAM), {"-b", "128", input("stereo.wav"), "x.mp3"});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(lastLine(run.err).contains("lame.exe"));
}

QTEST_GUILESS_MAIN(BridgeTest)
#include "tst_converters.moc"
