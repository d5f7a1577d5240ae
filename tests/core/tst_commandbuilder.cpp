#include "core/CommandBuilder.h"
#include "core/ConverterTable.h"
#include "core/WorkPaths.h"

#include "tests/core/WindowsSplit.h"

#include <QStringList>
#include <QTest>

#include <functional>

using namespace marulo;

Q_DECLARE_METATYPE(marulo::EncoderSettings)
Q_DECLARE_METATYPE(marulo::EncodeMode)

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList ToList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}

EncoderSettings With(EncodeMode mode, const std::function<void(EncoderSettings&)>& change = {})
{
    EncoderSettings settings;
    settings.mode = mode;
    if (change)
        change(settings);
    return settings;
}

// The folder and file of the worked examples: C:\music, song.wav.
struct Example {
    std::string base = BaseFolder("C:\\music", PathStyle::Windows);
    std::string input = InputPathOf("C:\\music", "song.wav", PathStyle::Windows);
    std::string stem3 = Stem3(InputName(input, base));
    std::string workWav = WorkWavPath(base, stem3, PathStyle::Windows);
};

} // namespace

class CommandBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void normaliseCommand_data();
    void normaliseCommand();
    void decodeCommand_data();
    void decodeCommand();
    void prefixBranches_data();
    void prefixBranches();
    void unusualControlTextsAreSplitNotDropped_data();
    void unusualControlTextsAreSplitNotDropped();
    void modeWavKeepsTheEarlierPrefix();
    void modeWavBuildsNoCommand();
    void pathsWithBlanksStayWhole_data();
    void pathsWithBlanksStayWhole();
    void converterTable();
};

void CommandBuilderTest::workedExamples_data()
{
    // clang-format off
    QTest::addColumn<EncoderSettings>("settings");
    QTest::addColumn<bool>("fromNormalisedCopy");
    QTest::addColumn<int>("prefixLength");
    QTest::addColumn<QString>("line");

    using M = EncodeMode;
    QTest::newRow("MP3 defaults") << With(M::Mp3) << true << 27
        << "lame.exe  -m j -b 128 -q 2  C:\\music\\Zorvik\\song.wav C:\\music\\Zorvik\\song.mp3";
    QTest::newRow("MP3 VBR range, no normalise") << With(M::Mp3, [](auto& s) { s.vbr = s.bitrateRange = true; })
        << false << 54
        << "lame.exe  -m j -v --vbr-old -V 4 -F -b 64 -B 320 -q 2  C:\\music\\song.wav C:\\music\\Zorvik\\song.mp3";
    QTest::newRow("MP3 ABR, error protection") << With(M::Mp3, [](auto& s) { s.abr = s.errorProtection = true; })
        << true << 46
        << "lame.exe  -p -m j --abr 128 -B 320 -b 64 -q 2  C:\\music\\Zorvik\\song.wav C:\\music\\Zorvik\\song.mp3";
    QTest::newRow("MP2 mono downmix protection")
        << With(M::Mp2, [](auto& s) { s.channelMode = ChannelMode::Mono; s.downmix = s.errorProtection = true; })
        << true << 31 << "toolame.exe  -e -b 128 -a -m m  C:\\music\\Zorvik\\song.wav C:\\music\\Zorvik\\song.mp2";
    QTest::newRow("OGG VBR 4.00") << With(M::Ogg, [](auto& s) { s.vbr = true; s.oggQuality = "4.00"; }) << true << 19
        << "oggenc.exe  -q4.00  C:\\music\\Zorvik\\song.wav -o C:\\music\\Zorvik\\song.ogg";
    QTest::newRow("OGG ABR downmix") << With(M::Ogg, [](auto& s) { s.abr = s.downmix = true; }) << true << 43
        << "oggenc.exe  --downmix  -m 64 -M 320 -b 128  C:\\music\\Zorvik\\song.wav -o C:\\music\\Zorvik\\song.ogg";
    QTest::newRow("AAC VBR normal") << With(M::Aac, [](auto& s) { s.vbr = true; s.aacPreset = "normal"; }) << true << 20
        << "aacenc.exe  -normal  -if C:\\music\\Zorvik\\song.wav -of C:\\music\\Zorvik\\song.aac";
    QTest::newRow("AAC average bitrate") << With(M::Aac) << true << 20
        << "aacenc.exe  -br 128  -if C:\\music\\Zorvik\\song.wav -of C:\\music\\Zorvik\\song.aac";
    QTest::newRow("FLAC defaults") << With(M::Flac) << true << 13
        << "flac.exe  -8 C:\\music\\Zorvik\\song.wav -o C:\\music\\Zorvik\\song.flac";
    QTest::newRow("TTA defaults") << With(M::Tta) << true << 12
        << "ttaenc.exe   -e C:\\music\\Zorvik\\song.wav -o C:\\music\\Zorvik\\song.tta";
    // clang-format on
}

void CommandBuilderTest::workedExamples()
{
    QFETCH(EncoderSettings, settings);
    QFETCH(bool, fromNormalisedCopy);
    QFETCH(int, prefixLength);
    QFETCH(QString, line);

    const Example ex;
    EncoderOptions options;
    BuildEncoderPrefix(settings, options);
    QCOMPARE(static_cast<int>(options.EncoderPrefix.text().size()), prefixLength);

    const std::string output = OutputPath(ex.base, ex.stem3, options.OutputExtension, PathStyle::Windows);
    const std::string encoderInput = fromNormalisedCopy ? ex.workWav : ex.input;
    const auto command = BuildEncodeCommand(settings.mode, options.EncoderPrefix, encoderInput, output);
    QVERIFY(command.has_value());
    QCOMPARE(Q(command->text()), line);

    const QStringList arguments = ToList(command->arguments());
    QCOMPARE(arguments.last(), Q(output));
    QVERIFY(arguments.contains(Q(encoderInput)));
    QCOMPARE(ToList(test::SplitWindowsCommandLine(command->text())), arguments);
}

void CommandBuilderTest::normaliseCommand_data()
{
    // clang-format off
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("line");

    QTest::newRow("defaults") << "90" << "normalize.exe -m 90 -o C:\\music\\Zorvik\\song.wav C:\\music\\song.wav";
    QTest::newRow("100") << "100" << "normalize.exe -m 100 -o C:\\music\\Zorvik\\song.wav C:\\music\\song.wav";
    QTest::newRow("empty level") << "" << "normalize.exe -m  -o C:\\music\\Zorvik\\song.wav C:\\music\\song.wav";
    // clang-format on
}

void CommandBuilderTest::normaliseCommand()
{
    QFETCH(QString, level);
    QFETCH(QString, line);

    const Example ex;
    const EncoderSettings settings = With(EncodeMode::Wav, [&](auto& s) { s.normalizeLevel = level.toStdString(); });
    QCOMPARE(Q(MakeNormalizeOption(settings)), QStringLiteral(" -m ") + level);

    const CommandLine command = BuildNormalizeCommand(MakeNormalizeOption(settings), ex.workWav, ex.input);
    QCOMPARE(Q(command.text()), line);
    // Output before input, each one argument.
    const QStringList arguments = ToList(command.arguments());
    QCOMPARE(arguments.mid(arguments.size() - 3), (QStringList{"-o", Q(ex.workWav), Q(ex.input)}));
}

void CommandBuilderTest::decodeCommand_data()
{
    // clang-format off
    QTest::addColumn<EncodeMode>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");

    QTest::newRow("MP3, song.mp3") << EncodeMode::Mp3 << "song.mp3"
                                   << "lame.exe --decode C:\\music\\song.mp3 C:\\music\\Zorvik\\song.wav";
    QTest::newRow("MP2, song.mp2") << EncodeMode::Mp2 << "song.mp2"
                                   << "lame.exe --decode C:\\music\\song.mp2 C:\\music\\Zorvik\\song.wav";
    QTest::newRow("OGG, song.mp1") << EncodeMode::Ogg << "song.mp1"
                                   << "lame.exe --decode C:\\music\\song.mp1 C:\\music\\Zorvik\\song.wav";
    QTest::newRow("AAC, SONG.MP3") << EncodeMode::Aac << "SONG.MP3"
                                   << "lame.exe --decode C:\\music\\SONG.MP3 C:\\music\\Zorvik\\SONG.wav";
    QTest::newRow("FLAC, song.flac") << EncodeMode::Flac << "song.flac"
                                     << "flac.exe -d C:\\music\\song.flac -o C:\\music\\Zorvik\\song.wav";
    QTest::newRow("TTA, song.tta") << EncodeMode::Tta << "song.tta"
                                   << "ttaenc.exe -d C:\\music\\song.tta -o C:\\music\\Zorvik\\song.wav";
    // clang-format on
}

void CommandBuilderTest::decodeCommand()
{
    QFETCH(EncodeMode, mode);
    QFETCH(QString, file);
    QFETCH(QString, line);

    const std::string base = BaseFolder("C:\\music", PathStyle::Windows);
    const std::string input = InputPathOf("C:\\music", file.toStdString(), PathStyle::Windows);
    const std::string name = InputName(input, base);
    // FLAC's decoded file is named on the four-character stem, every other on three.
    const std::string decoded = mode == EncodeMode::Flac ? FlacWavPath(base, Stem4(name), PathStyle::Windows)
                                                         : WorkWavPath(base, Stem3(name), PathStyle::Windows);

    const auto command = BuildDecodeCommand(mode, input, decoded);
    QVERIFY(command.has_value());
    QCOMPARE(Q(command->text()), line);
    QCOMPARE(ToList(command->arguments()).last(), Q(decoded));
}

void CommandBuilderTest::prefixBranches_data()
{
    // clang-format off
    QTest::addColumn<EncoderSettings>("settings");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("extension");

    using M = EncodeMode;
    using C = ChannelMode;

    // MP3: ABR before VBR; range and new method only with VBR.
    QTest::newRow("MP3 CBR") << With(M::Mp3) << "lame.exe  -m j -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 CBR ignores range and new") << With(M::Mp3, [](auto& s) { s.bitrateRange = s.newVbr = true; })
                                                   << "lame.exe  -m j -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 ABR") << With(M::Mp3, [](auto& s) { s.abr = true; })
                             << "lame.exe  -m j --abr 128 -B 320 -b 64 -q 2 " << "mp3";
    QTest::newRow("MP3 ABR wins over VBR, range, new")
        << With(M::Mp3, [](auto& s) { s.abr = s.vbr = s.bitrateRange = s.newVbr = true; })
        << "lame.exe  -m j --abr 128 -B 320 -b 64 -q 2 " << "mp3";
    QTest::newRow("MP3 VBR old") << With(M::Mp3, [](auto& s) { s.vbr = true; })
                                 << "lame.exe  -m j -v --vbr-old -V 4 -q 2 " << "mp3";
    QTest::newRow("MP3 VBR new") << With(M::Mp3, [](auto& s) { s.vbr = s.newVbr = true; })
                                 << "lame.exe  -m j -v --vbr-new -V 4 -q 2 " << "mp3";
    QTest::newRow("MP3 VBR new range") << With(M::Mp3, [](auto& s) { s.vbr = s.newVbr = s.bitrateRange = true; })
                                       << "lame.exe  -m j -v --vbr-new -V 4 -F -b 64 -B 320 -q 2 " << "mp3";
    QTest::newRow("MP3 VBR values") << With(M::Mp3, [](auto& s) {
        s.vbr = s.bitrateRange = true;
        s.vbrQuality = "0";
        s.quality = "9";
        s.minBitrate = "32";
        s.maxBitrate = "256";
    }) << "lame.exe  -m j -v --vbr-old -V 0 -F -b 32 -B 256 -q 9 " << "mp3";
    QTest::newRow("MP3 mono") << With(M::Mp3, [](auto& s) { s.channelMode = C::Mono; })
                              << "lame.exe  -m m -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 stereo") << With(M::Mp3, [](auto& s) { s.channelMode = C::Stereo; })
                                << "lame.exe  -m s -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 dual") << With(M::Mp3, [](auto& s) { s.channelMode = C::DualChannel; })
                              << "lame.exe  -m d -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 protection, mono downmix ignored")
        << With(M::Mp3, [](auto& s) { s.errorProtection = s.downmix = true; s.channelMode = C::Mono; })
        << "lame.exe  -p -m m -b 128 -q 2 " << "mp3";
    QTest::newRow("MP3 bitrate typed 100") << With(M::Mp3, [](auto& s) { s.bitrate = "100"; })
                                           << "lame.exe  -m j -b 100 -q 2 " << "mp3";

    // MP2: channel after the bitrate; downmix only with mono.
    QTest::newRow("MP2 joint") << With(M::Mp2) << "toolame.exe  -b 128 -m j " << "mp2";
    QTest::newRow("MP2 stereo") << With(M::Mp2, [](auto& s) { s.channelMode = C::Stereo; })
                                << "toolame.exe  -b 128 -m s " << "mp2";
    QTest::newRow("MP2 stereo downmix ignored") << With(M::Mp2, [](auto& s) { s.channelMode = C::Stereo; s.downmix = true; })
                                                << "toolame.exe  -b 128 -m s " << "mp2";
    QTest::newRow("MP2 mono") << With(M::Mp2, [](auto& s) { s.channelMode = C::Mono; })
                              << "toolame.exe  -b 128 -m m " << "mp2";
    QTest::newRow("MP2 mono downmix") << With(M::Mp2, [](auto& s) { s.channelMode = C::Mono; s.downmix = true; })
                                      << "toolame.exe  -b 128 -a -m m " << "mp2";
    QTest::newRow("MP2 dual protection") << With(M::Mp2, [](auto& s) { s.channelMode = C::DualChannel; s.errorProtection = true; })
                                         << "toolame.exe  -e -b 128 -m d " << "mp2";
    QTest::newRow("MP2 ignores rate switches") << With(M::Mp2, [](auto& s) { s.abr = s.vbr = s.bitrateRange = s.newVbr = true; s.bitrate = "384"; })
                                               << "toolame.exe  -b 384 -m j " << "mp2";

    // OGG: ABR before VBR; downmix always; minimum, maximum, bitrate.
    QTest::newRow("OGG CBR") << With(M::Ogg) << "oggenc.exe  -b 128 " << "ogg";
    QTest::newRow("OGG ABR") << With(M::Ogg, [](auto& s) { s.abr = true; }) << "oggenc.exe  -m 64 -M 320 -b 128 " << "ogg";
    QTest::newRow("OGG ABR wins over VBR") << With(M::Ogg, [](auto& s) { s.abr = s.vbr = true; })
                                           << "oggenc.exe  -m 64 -M 320 -b 128 " << "ogg";
    QTest::newRow("OGG VBR") << With(M::Ogg, [](auto& s) { s.vbr = true; }) << "oggenc.exe  -q4.00 " << "ogg";
    QTest::newRow("OGG VBR 10") << With(M::Ogg, [](auto& s) { s.vbr = true; s.oggQuality = "10"; })
                                << "oggenc.exe  -q10 " << "ogg";
    QTest::newRow("OGG downmix CBR") << With(M::Ogg, [](auto& s) { s.downmix = true; })
                                     << "oggenc.exe  --downmix  -b 128 " << "ogg";
    QTest::newRow("OGG downmix VBR") << With(M::Ogg, [](auto& s) { s.downmix = s.vbr = true; })
                                     << "oggenc.exe  --downmix  -q4.00 " << "ogg";
    QTest::newRow("OGG ignores channel and protection")
        << With(M::Ogg, [](auto& s) { s.channelMode = C::Mono; s.errorProtection = s.newVbr = s.bitrateRange = true; })
        << "oggenc.exe  -b 128 " << "ogg";

    // AAC: VBR alone chooses, ABR is not consulted.
    QTest::newRow("AAC average") << With(M::Aac) << "aacenc.exe  -br 128 " << "aac";
    QTest::newRow("AAC ABR ignored") << With(M::Aac, [](auto& s) { s.abr = true; }) << "aacenc.exe  -br 128 " << "aac";
    QTest::newRow("AAC VBR preset") << With(M::Aac, [](auto& s) { s.vbr = true; s.aacPreset = "extreme"; })
                                    << "aacenc.exe  -extreme " << "aac";
    QTest::newRow("AAC ABR and VBR") << With(M::Aac, [](auto& s) { s.abr = s.vbr = true; })
                                     << "aacenc.exe  -normal " << "aac";
    QTest::newRow("AAC bitrate 512") << With(M::Aac, [](auto& s) { s.bitrate = "512"; })
                                     << "aacenc.exe  -br 512 " << "aac";

    // FLAC, TTA.
    QTest::newRow("FLAC 8") << With(M::Flac) << "flac.exe  -8 " << "flac";
    QTest::newRow("FLAC 0") << With(M::Flac, [](auto& s) { s.compression = "0"; }) << "flac.exe  -0 " << "flac";
    QTest::newRow("TTA") << With(M::Tta) << "ttaenc.exe  " << "tta";
    QTest::newRow("TTA ignores every option") << With(M::Tta, [](auto& s) {
        s.abr = s.vbr = s.errorProtection = s.downmix = true;
        s.channelMode = C::Mono;
    }) << "ttaenc.exe  " << "tta";
    // clang-format on
}

void CommandBuilderTest::prefixBranches()
{
    QFETCH(EncoderSettings, settings);
    QFETCH(QString, prefix);
    QFETCH(QString, extension);

    EncoderOptions options;
    BuildEncoderPrefix(settings, options);
    QCOMPARE(Q(options.EncoderPrefix.text()), prefix);
    QCOMPARE(Q(options.OutputExtension), extension);
    QCOMPARE(Q(options.NormalizeOption), QStringLiteral(" -m 90"));
}

void CommandBuilderTest::unusualControlTextsAreSplitNotDropped_data()
{
    // clang-format off
    QTest::addColumn<EncoderSettings>("settings");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("arguments");

    using M = EncodeMode;
    QTest::newRow("MP3 empty bitrate") << With(M::Mp3, [](auto& s) { s.bitrate = ""; }) << "lame.exe  -m j -b  -q 2 "
                                       << QStringList{"lame.exe", "-m", "j", "-b", "-q", "2"};
    QTest::newRow("AAC empty preset") << With(M::Aac, [](auto& s) { s.vbr = true; s.aacPreset = ""; }) << "aacenc.exe  - "
                                      << QStringList{"aacenc.exe", "-"};
    QTest::newRow("OGG empty quality") << With(M::Ogg, [](auto& s) { s.vbr = true; s.oggQuality = ""; })
                                       << "oggenc.exe  -q " << QStringList{"oggenc.exe", "-q"};
    QTest::newRow("FLAC empty level") << With(M::Flac, [](auto& s) { s.compression = ""; }) << "flac.exe  - "
                                      << QStringList{"flac.exe", "-"};
    QTest::newRow("bitrate with blank") << With(M::Mp3, [](auto& s) { s.bitrate = "1 2"; })
                                        << "lame.exe  -m j -b 1 2 -q 2 "
                                        << QStringList{"lame.exe", "-m", "j", "-b", "1", "2", "-q", "2"};
    QTest::newRow("preset with options") << With(M::Aac, [](auto& s) { s.vbr = true; s.aacPreset = "ultra -x"; })
                                         << "aacenc.exe  -ultra -x " << QStringList{"aacenc.exe", "-ultra", "-x"};
    QTest::newRow("not a number") << With(M::Mp2, [](auto& s) { s.bitrate = "abc"; }) << "toolame.exe  -b abc -m j "
                                  << QStringList{"toolame.exe", "-b", "abc", "-m", "j"};
    QTest::newRow("Japanese text") << With(M::Aac, [](auto& s) { s.vbr = true; s.aacPreset = "標準"; })
                                   << "aacenc.exe  -標準 " << QStringList{"aacenc.exe", "-標準"};
    // clang-format on
}

void CommandBuilderTest::unusualControlTextsAreSplitNotDropped()
{
    QFETCH(EncoderSettings, settings);
    QFETCH(QString, prefix);
    QFETCH(QStringList, arguments);

    EncoderOptions options;
    BuildEncoderPrefix(settings, options);
    QCOMPARE(Q(options.EncoderPrefix.text()), prefix);
    QCOMPARE(ToList(options.EncoderPrefix.arguments()), arguments);

    // The paths that follow stay whole after any control text.
    const auto command = BuildEncodeCommand(settings.mode, options.EncoderPrefix, "in put.wav", "out put");
    QVERIFY(command.has_value());
    const QStringList all = ToList(command->arguments());
    QVERIFY(all.contains(QStringLiteral("in put.wav")));
    QCOMPARE(all.last(), QStringLiteral("out put"));
}

void CommandBuilderTest::modeWavKeepsTheEarlierPrefix()
{
    EncoderOptions options;
    BuildEncoderPrefix(With(EncodeMode::Ogg, [](auto& s) { s.vbr = true; }), options);
    const CommandLine oggPrefix = options.EncoderPrefix;
    QCOMPARE(Q(oggPrefix.text()), QStringLiteral("oggenc.exe  -q4.00 "));

    // WAV rebuilds the normalise option only.
    BuildEncoderPrefix(With(EncodeMode::Wav,
                            [](auto& s) {
                                s.normalizeLevel = "75";
                                s.bitrate = "64";
                            }),
                       options);
    QVERIFY(options.EncoderPrefix == oggPrefix);
    QCOMPARE(Q(options.OutputExtension), QStringLiteral("ogg"));
    QCOMPARE(Q(options.NormalizeOption), QStringLiteral(" -m 75"));

    // A fresh conversion in WAV has nothing to keep.
    EncoderOptions fresh;
    BuildEncoderPrefix(With(EncodeMode::Wav), fresh);
    QVERIFY(fresh.EncoderPrefix.empty());
    QVERIFY(fresh.OutputExtension.empty());
    QCOMPARE(Q(fresh.NormalizeOption), QStringLiteral(" -m 90"));

    // An index outside the group builds nothing either.
    BuildEncoderPrefix(With(static_cast<EncodeMode>(-1)), options);
    QVERIFY(options.EncoderPrefix == oggPrefix);
}

void CommandBuilderTest::modeWavBuildsNoCommand()
{
    CommandLine prefix;
    prefix.appendText("lame.exe  -m j -b 128 -q 2 ");
    QVERIFY(!BuildEncodeCommand(EncodeMode::Wav, prefix, "a.wav", "b.mp3").has_value());
    QVERIFY(!BuildDecodeCommand(EncodeMode::Wav, "a.mp3", "a.wav").has_value());
    QVERIFY(!BuildEncodeCommand(static_cast<EncodeMode>(7), prefix, "a.wav", "b.mp3").has_value());
    QVERIFY(BuildEncodeCommand(EncodeMode::Tta, prefix, "a.wav", "b.tta").has_value());
}

void CommandBuilderTest::pathsWithBlanksStayWhole_data()
{
    // clang-format off
    QTest::addColumn<EncodeMode>("mode");
    QTest::addColumn<QString>("line");

    QTest::newRow("MP3") << EncodeMode::Mp3
        << "lame.exe  -m j -b 128 -q 2  \"C:\\my music\\Zorvik\\a \\\"b\\\".wav\" \"C:\\my music\\Zorvik\\a \\\"b\\\".mp3\"";
    QTest::newRow("OGG") << EncodeMode::Ogg
        << "oggenc.exe  -b 128  \"C:\\my music\\Zorvik\\a \\\"b\\\".wav\" -o \"C:\\my music\\Zorvik\\a \\\"b\\\".ogg\"";
    QTest::newRow("AAC") << EncodeMode::Aac
        << "aacenc.exe  -br 128  -if \"C:\\my music\\Zorvik\\a \\\"b\\\".wav\" -of \"C:\\my music\\Zorvik\\a \\\"b\\\".aac\"";
    QTest::newRow("FLAC") << EncodeMode::Flac
        << "flac.exe  -8 \"C:\\my music\\Zorvik\\a \\\"b\\\".wav\" -o \"C:\\my music\\Zorvik\\a \\\"b\\\".flac\"";
    QTest::newRow("TTA") << EncodeMode::Tta
        << "ttaenc.exe   -e \"C:\\my music\\Zorvik\\a \\\"b\\\".wav\" -o \"C:\\my music\\Zorvik\\a \\\"b\\\".tta\"";
    // clang-format on
}

void CommandBuilderTest::pathsWithBlanksStayWhole()
{
    QFETCH(EncodeMode, mode);
    QFETCH(QString, line);

    const std::string base = BaseFolder("C:\\my music", PathStyle::Windows);
    const std::string input = InputPathOf("C:\\my music", "a \"b\".wav", PathStyle::Windows);
    const std::string stem3 = Stem3(InputName(input, base));
    const std::string workWav = WorkWavPath(base, stem3, PathStyle::Windows);

    EncoderOptions options;
    BuildEncoderPrefix(With(mode), options);
    const std::string output = OutputPath(base, stem3, options.OutputExtension, PathStyle::Windows);
    const auto command = BuildEncodeCommand(mode, options.EncoderPrefix, workWav, output);
    QVERIFY(command.has_value());
    QCOMPARE(Q(command->text()), line);

    const QStringList arguments = ToList(command->arguments());
    QVERIFY(arguments.contains(Q(workWav)));
    QCOMPARE(arguments.last(), Q(output));
    QCOMPARE(ToList(test::SplitWindowsCommandLine(command->text())), arguments);

    const CommandLine normalise = BuildNormalizeCommand(options.NormalizeOption, workWav, input);
    QCOMPARE(ToList(normalise.arguments()), (QStringList{"normalize.exe", "-m", "90", "-o", Q(workWav), Q(input)}));
    QCOMPARE(ToList(test::SplitWindowsCommandLine(normalise.text())), ToList(normalise.arguments()));

    // POSIX: a leading dash and a backslash are part of the name.
    const auto posix = BuildDecodeCommand(EncodeMode::Flac, "/m/-x\\y z.flac", "/m/Zorvik/-x\\y z.wav");
    QVERIFY(posix.has_value());
    QCOMPARE(ToList(posix->arguments()),
             (QStringList{"flac.exe", "-d", "/m/-x\\y z.flac", "-o", "/m/Zorvik/-x\\y z.wav"}));
}

void CommandBuilderTest::converterTable()
{
    // The names the bridge is copied under and the start-up check looks for.
    QStringList listed;
    for (std::string_view name : ConverterExecutables)
        listed << Q(name);
    QCOMPARE(listed, (QStringList{"lame.exe", "toolame.exe", "oggenc.exe", "aacenc.exe", "flac.exe", "ttaenc.exe",
                                  "normalize.exe"}));
    // No item selected reads as WAV: nothing but a normalise can run.
    QCOMPARE(static_cast<int>(ConverterOf(static_cast<EncodeMode>(9)).mode), static_cast<int>(EncodeMode::Wav));
    QVERIFY(!BuildEncodeCommand(static_cast<EncodeMode>(9), CommandLine(), "/m/a.wav", "/m/Zorvik/a").has_value());
}

QTEST_APPLESS_MAIN(CommandBuilderTest)
#include "tst_commandbuilder.moc"
