// What the music is called, through the converter bridge: the tags of each
// tool's input reach its output, for every converter name and command form,
// and damaged tags never cost the audio.
#include "tests/support/AudioCheck.h"
#include "tools/bridge/Tags.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>

#include <random>

using namespace marulo::test;

namespace {

const QString kBridgeDir = QStringLiteral(MARULO_BRIDGE_DIR);

// The nine carried fields under ffprobe's names.
const QStringList kCarried = {"title", "artist", "album", "album_artist", "track", "disc", "date", "genre", "comment"};

Run runLine(const QString& line, const QString& in, const QString& out)
{
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    const QString program = kBridgeDir + '/' + words.takeFirst();
    for (QString& word : words)
        word = word == "IN" ? in : word == "OUT" ? out : word;
    return runProgram(program, words);
}

// The carried fields ffprobe finds, as "key=value", in the order of kCarried.
QStringList carriedTags(const QString& path)
{
    const QMap<QString, QString> tags = probeTags(path);
    QStringList found;
    for (const QString& key : kCarried) {
        if (tags.contains(key))
            found << key + '=' + tags.value(key);
    }
    return found;
}

// The same for the ID3 chunk of a WAV file, which ffprobe hides behind INFO.
QStringList wavId3Tags(const QString& path)
{
    static const char* const names[][2] = {
        {"TITLE", "title"},       {"ARTIST", "artist"},   {"ALBUM", "album"}, {"ALBUMARTIST", "album_artist"},
        {"TRACKNUMBER", "track"}, {"DISCNUMBER", "disc"}, {"DATE", "date"},   {"GENRE", "genre"},
        {"COMMENT", "comment"}};
    TagLib::RIFF::WAV::File file(QFile::encodeName(path).constData(), false);
    QStringList found;
    if (!file.isValid() || !file.hasID3v2Tag())
        return found;
    const TagLib::PropertyMap properties = file.ID3v2Tag()->properties();
    for (const auto& [property, key] : names) {
        if (properties.contains(property))
            found << QString(key) + '=' + QString::fromStdString(properties[property].front().to8Bit(true));
    }
    return found;
}

// The attached picture as ffmpeg extracts it, or nothing.
QByteArray coverOf(const QString& path)
{
    const Run run = runProgram(
        "ffmpeg", {"-v", "error", "-i", path, "-map", "0:v:0?", "-c", "copy", "-f", "image2pipe", "-y", "pipe:1"});
    return run.exitCode == 0 ? run.out : QByteArray();
}

QByteArray id3Chunk(const TagLib::PropertyMap& properties, const QByteArray& cover)
{
    TagLib::ID3v2::Tag tag;
    tag.setProperties(properties);
    if (!cover.isEmpty()) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        frame->setMimeType("image/png");
        frame->setPicture(TagLib::ByteVector(cover.constData(), static_cast<unsigned int>(cover.size())));
        tag.addFrame(frame);
    }
    const TagLib::ByteVector bytes = tag.render(TagLib::ID3v2::v4);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

class TagsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void encodersCarryTags_data();
    void encodersCarryTags();
    void decodersCarryTags_data();
    void decodersCarryTags();
    void defaultChainCarriesEverything();
    void damagedChunkIsNamedAndSkipped();
    void mutatedHeadersNeverCostTheAudio();

private:
    QString input(const QString& name) const { return inputs_.filePath(name); }
    QString outputFolder();

    QTemporaryDir work_;
    QDir inputs_;
    QByteArray cover_;
    int folders_ = 0;
};

void TagsTest::initTestCase()
{
    QVERIFY(work_.isValid());
    QVERIFY(QDir(work_.path()).mkpath("in"));
    inputs_ = QDir(work_.filePath("in"));
    QCOMPARE(runProgram("ffmpeg",
                        {"-v", "error", "-f", "lavfi", "-i", "color=c=red:s=8x8", "-frames:v", "1", input("cover.png")})
                 .exitCode,
             0);
    cover_ = fileBytes(input("cover.png"));
    QVERIFY(cover_.startsWith("\x89PNG"));

    for (const char* name : {"plain.wav", "utf8.wav", "cp932.wav", "latin1.wav", "id3.wav"})
        QVERIFY(makeWav(input(name), 2, 0.5));
    QVERIFY(appendWavChunk(input("utf8.wav"), "LIST",
                           infoList({{"INAM", "Crème 日本"},
                                     {"IART", "Artist"},
                                     {"IPRD", "Album"},
                                     {"IPRT", "7"},
                                     {"ICRD", "2024-05-01"},
                                     {"IGNR", "Jazz"},
                                     {"ICMT", "Note"}})));
    // "東京テスト" and "ジャズ" as a Japanese Windows tool writes them.
    QVERIFY(appendWavChunk(input("cp932.wav"), "LIST",
                           infoList({{"INAM", QByteArray::fromHex("938c8b9e836583588367")},
                                     {"IART", QByteArray::fromHex("835783838359")}})));
    // "Crème" and "Björk" in Latin-1; "Crème" is also valid CP932 (a kanji).
    QVERIFY(appendWavChunk(
        input("latin1.wav"), "LIST",
        infoList({{"INAM", QByteArray::fromHex("4372e86d65")}, {"IART", QByteArray::fromHex("426af6726b")}})));
    // The ID3 chunk, spelt as older tools spell it, wins over INFO field by field.
    QVERIFY(appendWavChunk(input("id3.wav"), "LIST", infoList({{"INAM", "Info title"}, {"IART", "Info artist"}})));
    TagLib::PropertyMap id3;
    id3.replace("TITLE", TagLib::String("ID3 title"));
    id3.replace("ALBUMARTIST", TagLib::String("Various"));
    id3.replace("DISCNUMBER", TagLib::String("2/3"));
    QVERIFY(appendWavChunk(input("id3.wav"), "id3 ", id3Chunk(id3, cover_)));
}

QString TagsTest::outputFolder()
{
    const QString name = QString("out%1").arg(++folders_);
    QDir(work_.path()).mkdir(name);
    return work_.filePath(name);
}

void TagsTest::encodersCarryTags_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<bool>("cover");

    const QStringList utf8 = {"title=Crème 日本", "artist=Artist", "album=Album", "track=7",
                              "date=2024-05-01",  "genre=Jazz",    "comment=Note"};
    const QStringList id3 = {"title=ID3 title", "artist=Info artist", "album_artist=Various", "disc=2/3"};
    // WAV results: ffprobe shows INFO, which has no album artist or disc.
    const QStringList id3Info = {"title=ID3 title", "artist=Info artist"};
    struct Target {
        const char* name;
        const char* line;
        const char* out;
        bool cover;
    };
    // clang-format off
    const Target targets[] = {
        {"mp3",       "lame.exe  -m j -b 128 -q 2  IN OUT",   "song.mp3",  true},
        {"mp2",       "toolame.exe  -b 128 -m j  IN OUT",     "song.mp2",  true},
        {"ogg",       "oggenc.exe  -q4.00  IN -o OUT",        "song.ogg",  true},
        {"aac",       "aacenc.exe  -br 128  -if IN -of OUT",  "song.aac",  true},
        {"flac",      "flac.exe  -8 IN -o OUT",               "song.flac", true},
        {"tta",       "ttaenc.exe   -e IN -o OUT",            "song.tta",  true},
        {"normalise", "normalize.exe -m 90 -o OUT IN",        "song.wav",  true},
    };
    // clang-format on
    for (const Target& t : targets) {
        const bool wav = QString(t.out).endsWith(".wav");
        QTest::addRow("%s, INFO in UTF-8", t.name) << t.line << "utf8.wav" << t.out << utf8 << false;
        QTest::addRow("%s, ID3 chunk and cover", t.name)
            << t.line << "id3.wav" << t.out << (wav ? id3Info : id3) << t.cover;
        QTest::addRow("%s, untagged", t.name) << t.line << "plain.wav" << t.out << QStringList() << false;
    }
    for (const char* line : {"normalize.exe -m 90 -o OUT IN", "lame.exe  -m j -b 128 -q 2  IN OUT"}) {
        const QString out = QString(line).startsWith("lame") ? "song.mp3" : "song.wav";
        QTest::addRow("%s, INFO in CP932", line)
            << line << "cp932.wav" << out << QStringList{"title=東京テスト", "artist=ジャズ"} << false;
        QTest::addRow("%s, INFO in Latin-1", line)
            << line << "latin1.wav" << out << QStringList{"title=Crème", "artist=Björk"} << false;
    }
}

void TagsTest::encodersCarryTags()
{
    QFETCH(QString, line);
    QFETCH(QString, source);
    QFETCH(QString, outName);
    QFETCH(QStringList, tags);
    QFETCH(bool, cover);

    const QString out = outputFolder() + '/' + outName;
    const QByteArray before = fileBytes(input(source));
    const Run run = runLine(line, input(source), out);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    QVERIFY2(!run.err.contains("tags:"), run.err.constData());

    QCOMPARE(carriedTags(out), tags);
    QCOMPARE(coverOf(out), cover ? cover_ : QByteArray());
    if (outName.endsWith(".wav") && source == "id3.wav")
        QCOMPARE(wavId3Tags(out),
                 QStringList({"title=ID3 title", "artist=Info artist", "album_artist=Various", "disc=2/3"}));
    if (outName.endsWith(".wav"))
        QCOMPARE(readWav(out).samples.size(), readWav(input(source)).samples.size());
    QCOMPARE(fileBytes(input(source)), before);
}

void TagsTest::decodersCarryTags_data()
{
    QTest::addColumn<QString>("encode");
    QTest::addColumn<QString>("decode");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<bool>("lossless");

    QTest::newRow("mp3") << "lame.exe  -m j -b 128 -q 2  IN OUT"
                         << "lame.exe --decode IN OUT"
                         << "song.mp3" << false;
    QTest::newRow("flac") << "flac.exe  -8 IN -o OUT"
                          << "flac.exe -d IN -o OUT"
                          << "song.flac" << true;
    QTest::newRow("tta") << "ttaenc.exe   -e IN -o OUT"
                         << "ttaenc.exe -d IN -o OUT"
                         << "song.tta" << true;
}

// Each decoder's WAV holds the tags as INFO (UTF-8) and as an ID3 chunk, with the cover.
void TagsTest::decodersCarryTags()
{
    QFETCH(QString, encode);
    QFETCH(QString, decode);
    QFETCH(QString, middle);
    QFETCH(bool, lossless);

    const QString folder = outputFolder();
    const Run encoded = runLine(encode, input("id3.wav"), folder + '/' + middle);
    QVERIFY2(encoded.exitCode == 0, encoded.err.constData());
    const QByteArray before = fileBytes(folder + '/' + middle);
    const QString out = folder + "/back.wav";
    const Run decoded = runLine(decode, folder + '/' + middle, out);
    QVERIFY2(decoded.finished && decoded.exitCode == 0, decoded.err.constData());

    QCOMPARE(carriedTags(out), QStringList({"title=ID3 title", "artist=Info artist"}));
    QCOMPARE(wavId3Tags(out),
             QStringList({"title=ID3 title", "artist=Info artist", "album_artist=Various", "disc=2/3"}));
    QCOMPARE(coverOf(out), cover_);
    const QByteArray bytes = fileBytes(out);
    QVERIFY(bytes.contains("LIST") && bytes.contains("INFO") && bytes.contains("INAM"));
    QVERIFY(bytes.contains("ID3 "));
    if (lossless)
        QCOMPARE(readWav(out).samples, readWav(input("id3.wav")).samples);
    QCOMPARE(fileBytes(folder + '/' + middle), before);
}

// The window's chain: normalise into a copy, then encode the copy.
void TagsTest::defaultChainCarriesEverything()
{
    const QString folder = outputFolder();
    const Run normalised = runLine("normalize.exe -m 90 -o OUT IN", input("id3.wav"), folder + "/copy.wav");
    QVERIFY2(normalised.exitCode == 0, normalised.err.constData());
    const Run encoded = runLine("lame.exe  -m j -b 128 -q 2  IN OUT", folder + "/copy.wav", folder + "/song.mp3");
    QVERIFY2(encoded.exitCode == 0, encoded.err.constData());
    QCOMPARE(carriedTags(folder + "/song.mp3"),
             QStringList({"title=ID3 title", "artist=Info artist", "album_artist=Various", "disc=2/3"}));
    QCOMPARE(coverOf(folder + "/song.mp3"), cover_);
}

// A chunk that claims more than the file holds: the tags before it still
// travel, the result stands, and one line names what was skipped.
void TagsTest::damagedChunkIsNamedAndSkipped()
{
    const QString source = outputFolder() + "/damaged.wav";
    QVERIFY(QFile::copy(input("utf8.wav"), source));
    QVERIFY(appendWavChunk(source, "junk", QByteArray(16, 'x')));
    QByteArray bytes = fileBytes(source);
    const qsizetype junk = bytes.lastIndexOf("junk");
    bytes.replace(junk + 4, 4, QByteArray::fromHex("00000100")); // 65536 bytes
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    const QString out = outputFolder() + "/song.mp3";
    const Run run = runLine("lame.exe  -m j -b 128 -q 2  IN OUT", source, out);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    QCOMPARE(run.err.count("tags:"), 1);
    QVERIFY2(run.err.contains("\"junk\""), run.err.constData());
    QCOMPARE(carriedTags(out).value(0), QString("title=Crème 日本"));
    QCOMPARE(probe(out, "codec_name", true), QString("mp3"));
}

// Seeded damage to a tagged WAV's header and chunks: sizes off by one, odd,
// huge or zero, bytes overwritten, the file cut short. The tags step never
// crashes, never writes to its input and never changes the result's samples.
void TagsTest::mutatedHeadersNeverCostTheAudio()
{
    const QString folder = outputFolder();
    const QByteArray tagged = fileBytes(input("id3.wav"));
    const QString plain = input("plain.wav");
    const QByteArray samples = readWav(plain).samples;
    QVERIFY(!samples.isEmpty());
    // Where the chunk sizes are: the RIFF size, then each chunk's.
    QList<qsizetype> sizes{4};
    for (qsizetype at = 12; at + 8 <= tagged.size();) {
        sizes << at + 4;
        const quint32 size = qFromLittleEndian<quint32>(tagged.constData() + at + 4);
        at += 8 + size + (size & 1);
    }
    QVERIFY(sizes.size() >= 5); // RIFF, fmt, data, LIST, id3

    std::mt19937 random(20261209);
    const quint32 special[] = {0, 1, 3, 0x7fffffff, 0xffffffff, 0xfffffff8};
    int dropped = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = tagged;
        const auto pick = [&](qsizetype n) { return static_cast<qsizetype>(random() % static_cast<quint32>(n)); };
        switch (round % 4) {
        case 0: { // a size nudged: off by one makes it odd or even
            const qsizetype at = sizes[pick(sizes.size())];
            const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at);
            qToLittleEndian<quint32>(size + static_cast<quint32>(pick(9)) - 4, bytes.data() + at);
            break;
        }
        case 1: { // a size replaced outright
            const qsizetype at = sizes[pick(sizes.size())];
            qToLittleEndian<quint32>(special[pick(std::size(special))], bytes.data() + at);
            break;
        }
        case 2: // the file cut short anywhere in its chunks
            bytes.truncate(12 + pick(bytes.size() - 12));
            break;
        case 3: // bytes overwritten in the tags
            for (int k = 0; k < 8; ++k)
                bytes[sizes[3] + pick(bytes.size() - sizes[3])] = static_cast<char>(random());
            break;
        }
        const QString in = folder + "/in.wav";
        const QString out = folder + "/out.wav";
        QFile::remove(in);
        QFile::remove(out);
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(QFile::copy(plain, out));

        const marulo::bridge::TagNotes notes =
            marulo::bridge::carryTags(QFile::encodeName(in).toStdString(), QFile::encodeName(out).toStdString());
        for (const std::string& note : notes)
            QVERIFY2(note.starts_with("tags: ") && note.find('\n') == std::string::npos, note.c_str());
        dropped += notes.empty() ? 0 : 1;
        QCOMPARE(fileBytes(in), bytes);
        QVERIFY2(readWav(out).samples == samples, qPrintable(QString("round %1").arg(round)));
    }
    // Most kinds of damage are noticed and named.
    QVERIFY(dropped > 50);
}

QTEST_GUILESS_MAIN(TagsTest)
#include "tst_tags.moc"
