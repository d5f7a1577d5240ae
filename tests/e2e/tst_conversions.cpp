// End to end: the window's own "Single Encode" and "ALL Encode" with the
// converter bridge and the Debian tools behind it. This test sits beside the
// bridge copies, where the launcher looks first.
#include "tests/support/AudioCheck.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace marulo;
using namespace marulo::test;

namespace {

enum Mode { Mp3, Mp2, Ogg, Aac, Flac, Tta, Wav };

// The helpers check with QVERIFY, which ends only the helper: stop the test too.
#define STEP(call)                                                                                                     \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

// Check boxes and combo texts a row sets after choosing its mode.
using Settings = QList<QPair<QString, QString>>;

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultEncodeGivesFormat_data();
    void defaultEncodeGivesFormat();
    void defaultMp3CarriesTags();
    void rateControlBranches_data();
    void rateControlBranches();
    void refusedBitrateSaysWhy();
    void decodesToWav_data();
    void decodesToWav();
    void losslessRoundTrip_data();
    void losslessRoundTrip();
    void normalisesOnly_data();
    void normalisesOnly();
    void allEncodeConvertsEveryFile_data();
    void allEncodeConvertsEveryFile();

private:
    // A fresh folder holding copies of the named sources.
    QString folderWith(const QStringList& sources, const QString& name = QString());
    // A fresh folder holding the one source "name=sample": its name, the
    // folder, and the bytes it starts with (the input must stay as it is).
    struct OneSource {
        QString name;
        QString folder;
        QByteArray before;
    };
    OneSource folderWithOne(const QString& source);
    void open(const QString& folder);
    void choose(int mode, const Settings& settings);
    void selectOnly(const QString& fileName);
    void press(const char* button);
    QString work(const QString& folder, const QString& name) const { return folder + "/Zorvik/" + name; }

    QTemporaryDir temp_;
    QDir sources_;
    int folders_ = 0;
    std::unique_ptr<TForm1> form_;
};

void EndToEndTest::initTestCase()
{
    QVERIFY(temp_.isValid());
    QVERIFY(QDir(temp_.path()).mkpath("sources"));
    sources_ = QDir(temp_.filePath("sources"));
    QVERIFY(makeWav(sources_.filePath("stereo.wav"), 2));
    QVERIFY(makeWav(sources_.filePath("mono.wav"), 1));
    QVERIFY(makeWav(sources_.filePath("noise.wav"), 2, 1.0, 16, Signal::Noise));
    QVERIFY(QFile::copy(sources_.filePath("stereo.wav"), sources_.filePath("音楽 テスト.wav")));
    QCOMPARE(runProgram("lame", {"--quiet", sources_.filePath("stereo.wav"), sources_.filePath("song.mp3")}).exitCode,
             0);
    QCOMPARE(
        runProgram("twolame", {"--quiet", sources_.filePath("stereo.wav"), sources_.filePath("song.mp2")}).exitCode, 0);
    QCOMPARE(runProgram("flac", {"--silent", sources_.filePath("stereo.wav"), "-o", sources_.filePath("song.flac")})
                 .exitCode,
             0);
    QCOMPARE(runProgram("ffmpeg", {"-v", "error", "-i", sources_.filePath("stereo.wav"), "-c:a", "tta",
                                   sources_.filePath("song.tta")})
                 .exitCode,
             0);
}

void EndToEndTest::init()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void EndToEndTest::cleanup()
{
    form_.reset();
}

EndToEndTest::OneSource EndToEndTest::folderWithOne(const QString& source)
{
    OneSource one{source.section('=', 0, 0), folderWith({source}), {}};
    one.before = fileBytes(one.folder + '/' + one.name);
    return one;
}

QString EndToEndTest::folderWith(const QStringList& sources, const QString& name)
{
    const QString folder = temp_.filePath(name.isEmpty() ? QString("case%1").arg(++folders_) : name);
    QDir().mkpath(folder);
    for (const QString& source : sources) {
        const QString from = sources_.filePath(source.section('=', -1));
        const QString to = folder + '/' + source.section('=', 0, 0);
        if (!QFile::copy(from, to))
            qWarning("cannot copy %s", qUtf8Printable(from));
    }
    return folder;
}

void EndToEndTest::open(const QString& folder)
{
    auto* folders = form_->findChild<FolderList*>("DLB1");
    QVERIFY(folders);
    folders->setDirectory(folder);
    auto* files = form_->findChild<FileList*>("FLB1");
    QVERIFY(files);
    QTRY_COMPARE_WITH_TIMEOUT(files->directory(), folder, 5000);
}

void EndToEndTest::choose(int mode, const Settings& settings)
{
    auto* modes = form_->findChild<RadioGroup*>("RG1");
    QVERIFY(modes);
    modes->setItemIndex(mode);
    QCOMPARE(modes->itemIndex(), mode);
    for (const auto& [name, value] : settings) {
        if (auto* box = form_->findChild<QCheckBox*>(name)) {
            box->setChecked(value == "on");
            QCOMPARE(box->isChecked(), value == "on");
        } else if (auto* button = form_->findChild<QRadioButton*>(name)) {
            button->setChecked(true);
            QVERIFY(button->isChecked());
        } else if (auto* combo = form_->findChild<QComboBox*>(name)) {
            combo->setCurrentText(value);
        } else if (auto* edit = form_->findChild<QLineEdit*>(name)) {
            edit->setText(value);
        } else {
            QFAIL(qPrintable("no control " + name));
        }
    }
}

void EndToEndTest::selectOnly(const QString& fileName)
{
    auto* files = form_->findChild<FileList*>("FLB1");
    QVERIFY(files);
    QTRY_VERIFY_WITH_TIMEOUT(files->listedPaths().size() > 0, 5000);
    const int index = int(files->listedPaths().indexOf(files->directory() + '/' + fileName));
    QVERIFY2(index >= 0, qPrintable(files->listedPaths().join(", ")));
    files->selectItem(index);
    QCOMPARE(files->selectedPath(), files->directory() + '/' + fileName);
}

void EndToEndTest::press(const char* button)
{
    auto* b = form_->findChild<QPushButton*>(button);
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    // The click rule runs the whole conversion and returns when it is done.
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!form_->conversionRunning());
}

void EndToEndTest::defaultEncodeGivesFormat_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("codec");
    struct Row {
        const char* name;
        int mode;
        const char* extension;
        const char* format;
        const char* codec;
    };
    const Row rows[] = {
        {"MP3", Mp3, "mp3", "mp3", "mp3"},    {"MP2", Mp2, "mp2", "mp3", "mp2"},    {"OGG", Ogg, "ogg", "ogg", "vorbis"},
        {"AAC", Aac, "aac", "aac", "aac"},    {"FLAC", Flac, "flac", "flac", "flac"}, {"TTA", Tta, "tta", "tta", "tta"},
    };
    for (const Row& row : rows) {
        for (const char* source : {"song.wav=stereo.wav", "song.wav=mono.wav", "音楽 テスト.wav"}) {
            const QString stem = QString(source).section('=', 0, 0).chopped(3);
            QTest::addRow("%s from %s", row.name, source)
                << row.mode << source << stem + row.extension << row.format << row.codec;
        }
    }
    // clang-format on
}

void EndToEndTest::defaultEncodeGivesFormat()
{
    QFETCH(int, mode);
    QFETCH(QString, source);
    QFETCH(QString, result);
    QFETCH(QString, format);
    QFETCH(QString, codec);

    const auto [name, folder, before] = folderWithOne(source);
    STEP(open(folder));
    STEP(choose(mode, {}));
    STEP(selectOnly(name));
    STEP(press("B1"));

    const QString out = work(folder, result);
    QCOMPARE(probe(out, "format_name"), format);
    QCOMPARE(probe(out, "codec_name", true), codec);
    const QByteArray head = fileBytes(out).left(4);
    if (mode == Aac)
        QCOMPARE(head.left(2).toHex(), QByteArray("fff1")); // ADTS sync, MPEG-4, no CRC
    if (mode == Mp3 || mode == Mp2) {
        // Frame sync, MPEG-1 (version bits 11), Layer III (01) or Layer II (10).
        QCOMPARE(quint8(head.at(0)), quint8(0xff));
        QCOMPARE(quint8(head.at(1)) & 0xfe, mode == Mp3 ? 0xfa : 0xfc);
    }
    // The normalised copy was the encoder's input and is gone; nothing else is left.
    QCOMPARE(entriesOf(folder + "/Zorvik"), QStringList{result});
    QCOMPARE(fileBytes(folder + '/' + name), before);
}

// The default chain, normalise into the work folder and encode the copy,
// keeps what the music is called because each step does.
void EndToEndTest::defaultMp3CarriesTags()
{
    const QString folder = folderWith({"song.wav=stereo.wav"});
    // "夜の歌" as a Japanese Windows tool writes INFO: in CP932.
    QVERIFY(appendWavChunk(folder + "/song.wav", "LIST",
                           infoList({{"INAM", QByteArray::fromHex("96e982cc89cc")}, {"IART", "Artist"}})));
    const QByteArray before = fileBytes(folder + "/song.wav");
    STEP(open(folder));
    STEP(choose(Mp3, {}));
    STEP(selectOnly("song.wav"));
    STEP(press("B1"));

    const QMap<QString, QString> tags = probeTags(work(folder, "song.mp3"));
    QCOMPARE(tags.value("title"), QString("夜の歌"));
    QCOMPARE(tags.value("artist"), QString("Artist"));
    QCOMPARE(entriesOf(folder + "/Zorvik"), QStringList{"song.mp3"});
    QCOMPARE(fileBytes(folder + "/song.wav"), before);
}

void EndToEndTest::rateControlBranches_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("bitRate");  // of the stream, empty: not checked
    QTest::addColumn<QByteArray>("tag");   // lame's header frame: "Info" constant, "Xing" variable
    QTest::addColumn<int>("channels");

    QTest::newRow("MP3 constant") << int(Mp3) << Settings{} << "song.mp3" << "128000" << QByteArray("Info") << 2;
    QTest::newRow("MP3 constant 192, mono")
        << int(Mp3) << Settings{{"RB1", "on"}, {"ComB1", "192"}} << "song.mp3" << "192000" << QByteArray("Info") << 1;
    QTest::newRow("MP3 ABR") << int(Mp3) << Settings{{"CB3", "on"}} << "song.mp3" << "" << QByteArray("Xing") << 2;
    QTest::newRow("MP3 ABR, error protection")
        << int(Mp3) << Settings{{"CB3", "on"}, {"CB5", "on"}} << "song.mp3" << "" << QByteArray("Xing") << 2;
    QTest::newRow("MP3 VBR old") << int(Mp3) << Settings{{"CB2", "on"}} << "song.mp3" << "" << QByteArray("Xing")
                                 << 2;
    QTest::newRow("MP3 VBR new") << int(Mp3) << Settings{{"CB2", "on"}, {"CB1", "on"}} << "song.mp3" << ""
                                 << QByteArray("Xing") << 2;
    QTest::newRow("MP3 VBR with range") << int(Mp3) << Settings{{"CB2", "on"}, {"CB8", "on"}} << "song.mp3" << ""
                                        << QByteArray("Xing") << 2;
    QTest::newRow("OGG bitrate") << int(Ogg) << Settings{{"ComB1", "160"}} << "song.ogg" << "160000" << QByteArray()
                                 << 2;
    QTest::newRow("OGG ABR") << int(Ogg) << Settings{{"CB3", "on"}} << "song.ogg" << "128000" << QByteArray() << 2;
    QTest::newRow("OGG VBR quality 6") << int(Ogg) << Settings{{"CB2", "on"}, {"ComB6", "6.00"}} << "song.ogg"
                                       << "192000" << QByteArray() << 2;
    QTest::newRow("OGG downmix") << int(Ogg) << Settings{{"CB9", "on"}} << "song.ogg" << "" << QByteArray() << 1;
    QTest::newRow("AAC preset") << int(Aac) << Settings{{"CB2", "on"}, {"ComB4", "extreme"}} << "song.aac" << ""
                                << QByteArray() << 2;
    QTest::newRow("MP2 mono downmix, protected")
        << int(Mp2) << Settings{{"RB1", "on"}, {"CB9", "on"}, {"CB5", "on"}} << "song.mp2" << "128000"
        << QByteArray() << 1;
    // clang-format on
}

void EndToEndTest::rateControlBranches()
{
    QFETCH(int, mode);
    QFETCH(Settings, settings);
    QFETCH(QString, result);
    QFETCH(QString, bitRate);
    QFETCH(QByteArray, tag);
    QFETCH(int, channels);

    const QString folder = folderWith({"song.wav=stereo.wav"});
    STEP(open(folder));
    STEP(choose(mode, settings));
    STEP(selectOnly("song.wav"));
    STEP(press("B1"));

    const QString out = work(folder, result);
    QVERIFY2(QFileInfo(out).size() > 0, qPrintable(form_->statusText()));
    QCOMPARE(probe(out, "channels", true).toInt(), channels);
    if (!bitRate.isEmpty())
        QCOMPARE(probe(out, "bit_rate", true), bitRate);
    if (!tag.isEmpty())
        QVERIFY(fileBytes(out).left(4096).contains(tag));
}

// The list offers 384, which lame does not take: the failure sentence is
// followed by the converter's own reason, and no result is left.
void EndToEndTest::refusedBitrateSaysWhy()
{
    const QString folder = folderWith({"song.wav=stereo.wav"});
    STEP(open(folder));
    STEP(choose(Mp3, Settings{{"ComB1", "384"}}));
    STEP(selectOnly("song.wav"));
    STEP(press("B1"));
    QCOMPARE(form_->statusText(), QString::fromUtf8(" lame.exe による song.wav の変換に失敗しました。"
                                                    " lame.exe: option \"-b\" takes a whole number from 8 to 320, "
                                                    "not \"384\""));
    QVERIFY(!QFileInfo::exists(work(folder, "song.mp3")));
}

void EndToEndTest::decodesToWav_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("source");
    QTest::newRow("MP3 in mode MP3") << int(Mp3) << "song.mp3";
    QTest::newRow("MP2 in mode MP2") << int(Mp2) << "song.mp2";
    QTest::newRow("MP3 in mode OGG") << int(Ogg) << "song.mp3";
    QTest::newRow("FLAC") << int(Flac) << "song.flac";
    QTest::newRow("TTA") << int(Tta) << "song.tta";
    // clang-format on
}

void EndToEndTest::decodesToWav()
{
    QFETCH(int, mode);
    QFETCH(QString, source);

    const QString folder = folderWith({source});
    const QByteArray before = fileBytes(folder + '/' + source);
    STEP(open(folder));
    STEP(choose(mode, {{"CB0", "on"}}));
    STEP(selectOnly(source));
    STEP(press("B1"));

    const QString out = work(folder, "song.wav");
    QCOMPARE(probe(out, "format_name"), QString("wav"));
    const Pcm pcm = readWav(out);
    QCOMPARE(pcm.channels, 2);
    QCOMPARE(pcm.rate, 44100);
    QVERIFY(peakFraction(pcm) > 0.1);
    QCOMPARE(fileBytes(folder + '/' + source), before);
}

void EndToEndTest::losslessRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("source");
    for (const char* source : {"stereo.wav", "mono.wav", "noise.wav"}) {
        QTest::addRow("FLAC %s", source) << int(Flac) << "flac" << source;
        QTest::addRow("TTA %s", source) << int(Tta) << "tta" << source;
    }
    // clang-format on
}

void EndToEndTest::losslessRoundTrip()
{
    QFETCH(int, mode);
    QFETCH(QString, extension);
    QFETCH(QString, source);

    // Encode without normalising, then open the work folder and decode there.
    const QString folder = folderWith({"song.wav=" + source});
    STEP(open(folder));
    STEP(choose(mode, {{"CB4", "off"}}));
    STEP(selectOnly("song.wav"));
    STEP(press("B1"));
    QVERIFY2(QFileInfo::exists(work(folder, "song." + extension)), qPrintable(form_->statusText()));

    STEP(open(folder + "/Zorvik"));
    STEP(choose(mode, {{"CB0", "on"}}));
    STEP(selectOnly("song." + extension));
    STEP(press("B1"));

    const Pcm original = readWav(sources_.filePath(source));
    const Pcm back = readWav(folder + "/Zorvik/Zorvik/song.wav");
    QCOMPARE(back.channels, original.channels);
    QCOMPARE(back.bits, original.bits);
    QCOMPARE(back.samples.size(), original.samples.size());
    QVERIFY(back.samples == original.samples);
}

void EndToEndTest::normalisesOnly_data()
{
    // clang-format off
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("level");
    QTest::newRow("stereo, 90") << "song.wav=stereo.wav" << "90";
    QTest::newRow("mono, 90") << "song.wav=mono.wav" << "90";
    QTest::newRow("noise, 90") << "song.wav=noise.wav" << "90";
    QTest::newRow("blank and Japanese, 90") << "音楽 テスト.wav" << "90";
    QTest::newRow("stereo, 40") << "song.wav=stereo.wav" << "40";
    // clang-format on
}

void EndToEndTest::normalisesOnly()
{
    QFETCH(QString, source);
    QFETCH(QString, level);

    const auto [name, folder, before] = folderWithOne(source);
    STEP(open(folder));
    STEP(choose(Wav, {{"E1", level}}));
    STEP(selectOnly(name));
    STEP(press("B1"));

    const Pcm pcm = readWav(work(folder, name));
    QVERIFY2(pcm.valid(), qPrintable(form_->statusText()));
    const double wanted = level.toDouble() / 100;
    const double peak = peakFraction(pcm);
    QVERIFY2(std::fabs(peak - wanted) <= 0.005 * wanted, qPrintable(QString("peak %1").arg(peak)));
    QCOMPARE(fileBytes(folder + '/' + name), before);
}

void EndToEndTest::allEncodeConvertsEveryFile_data()
{
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("codec");
    QTest::newRow("MP3") << int(Mp3) << "mp3" << "mp3";
    QTest::newRow("OGG") << int(Ogg) << "ogg" << "vorbis";
    QTest::newRow("FLAC") << int(Flac) << "flac" << "flac";
    // clang-format on
}

void EndToEndTest::allEncodeConvertsEveryFile()
{
    QFETCH(int, mode);
    QFETCH(QString, extension);
    QFETCH(QString, codec);

    const QStringList names{"a.wav", "b.wav", "音楽 テスト.wav"};
    const QString folder =
        folderWith({"a.wav=stereo.wav", "b.wav=mono.wav", "音楽 テスト.wav"}, QString("フォルダ %1").arg(++folders_));
    QList<QByteArray> before;
    for (const QString& name : names)
        before << fileBytes(folder + '/' + name);
    STEP(open(folder));
    STEP(choose(mode, {}));
    STEP(press("B2"));

    QStringList expected;
    for (const QString& name : names)
        expected << name.chopped(3) + extension;
    expected.sort();
    QCOMPARE(entriesOf(folder + "/Zorvik"), expected);
    for (const QString& name : expected)
        QCOMPARE(probe(work(folder, name), "codec_name", true), codec);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(fileBytes(folder + '/' + names[i]), before[i]);
}

QTEST_MAIN(EndToEndTest)
#include "tst_conversions.moc"
