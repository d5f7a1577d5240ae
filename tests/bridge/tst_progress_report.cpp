// The bridge's reading of ffmpeg's and sox's progress reports, turned into
// percentages on one scale; whole streams and a byte at a time.
#include "tools/bridge/ProgressReport.h"

#include <QFile>
#include <QtTest>

using namespace marulo::bridge;

namespace {

// Sox's "-S" status lines, shortened to what the filter reads.
QByteArray soxStatus(const char* in, const char* out)
{
    return QByteArray("\rIn:") + in + " 00:00:01.00 [00:00:09.00] Out:" + out + "  [      |      ]        Clip:0    ";
}

const QByteArray SoxDescription = "\nInput File     : 'a.wav'\nChannels       : 2\n"
                                  "Duration       : 00:00:10.00 = 441000 samples ~ 750 CDDA sectors\n"
                                  "Sample Encoding: 16-bit Signed Integer PCM\n\n";

std::string soxInPieces(const QByteArray& stream, int passes, qsizetype piece)
{
    SoxStatusFilter filter(passes);
    std::string out;
    for (qsizetype at = 0; at < stream.size(); at += piece)
        out += filter.feed(std::string_view(stream.constData() + at, std::size_t(std::min(piece, stream.size() - at))));
    return out + filter.finish();
}

} // namespace

class ProgressReportTest : public QObject {
    Q_OBJECT

private slots:
    void sox_data();
    void sox();
    void soxCapturedNormalisingRises();
    void ffmpeg_data();
    void ffmpeg();
    void lameDecoding();
};

void ProgressReportTest::sox_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("two passes") << SoxDescription + soxStatus("0.00%", "0") + soxStatus("40.0%", "0") +
                                       soxStatus("100%", "0") + soxStatus("100%", "110k") + soxStatus("100%", "441k") +
                                       "\nDone.\n"
                                << 2 << QByteArray("0.0%\n20.0%\n50.0%\n62.5%\n100.0%\n");
    QTest::newRow("one pass") << SoxDescription + soxStatus("25.0%", "110k") + soxStatus("100%", "441k") + "\nDone.\n"
                              << 1 << QByteArray("25.0%\n100.0%\n");
    QTest::newRow("repeats written once") << soxStatus("10.0%", "0") + soxStatus("10.0%", "0") << 1
                                          << QByteArray("10.0%\n");
    QTest::newRow("messages go through")
        << QByteArray("sox WARN wav: Premature EOF on .wav input file\n") + soxStatus("30.0%", "0") +
               "\nsox FAIL formats: can't open output file `x': Permission denied\n"
        << 2 << QByteArray("sox WARN wav: Premature EOF on .wav input file\n15.0%\n"
                           "sox FAIL formats: can't open output file `x': Permission denied\n");
    QTest::newRow("length unknown") << soxStatus("100%", "441k") << 2 << QByteArray("50.0%\n");
    // clang-format on
}

void ProgressReportTest::sox()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, passes);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(soxInPieces(stream, passes, stream.size())), expected);
    QCOMPARE(QByteArray::fromStdString(soxInPieces(stream, passes, 1)), expected);
}

// sox 14.4 normalising ten minutes of noise, as captured: the analysis
// fills the first half, the writing the second, and nothing else is left.
void ProgressReportTest::soxCapturedNormalisingRises()
{
    QFile file(QStringLiteral(MARULO_PROGRESS_SAMPLES "/sox.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = QByteArray::fromStdString(soxInPieces(file.readAll(), 2, 100)).split('\n');
    QCOMPARE(lines.last(), QByteArray());
    QCOMPARE(lines.first(), QByteArray("0.0%"));
    QCOMPARE(lines.at(lines.size() - 2), QByteArray("100.0%"));
    double last = -1;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines.at(i).endsWith('%'), lines.at(i).constData());
        const double value = lines.at(i).chopped(1).toDouble();
        QVERIFY(value > last);
        last = value;
    }
    QVERIFY(lines.size() > 20);
}

void ProgressReportTest::ffmpeg_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<double>("seconds"); // 0: the input's length unknown
    QTest::addColumn<QByteArray>("expected");

    const QByteArray reports = "bitrate=N/A\ntotal_size=0\nout_time_us=0\nout_time_ms=0\nprogress=continue\n"
                               "total_size=8101\nout_time_us=2500000\nout_time_ms=2500000\nspeed=4.12x\n"
                               "out_time_us=N/A\nout_time_us=10023220\nprogress=end\n";
    QTest::newRow("ten seconds") << reports << 10.0 << QByteArray("0.0%\n25.0%\n100.0%\n");
    QTest::newRow("length unknown") << reports << 0.0 << QByteArray();
    // clang-format on
}

void ProgressReportTest::ffmpeg()
{
    QFETCH(QByteArray, stream);
    QFETCH(double, seconds);
    QFETCH(QByteArray, expected);
    const std::optional<double> length = seconds > 0 ? std::optional<double>(seconds) : std::nullopt;
    FfmpegReportReader whole(length);
    QCOMPARE(QByteArray::fromStdString(whole.feed(std::string_view(stream.constData(), std::size_t(stream.size())))),
             expected);
    FfmpegReportReader bytes(length);
    std::string out;
    for (const char c : stream)
        out += bytes.feed(std::string_view(&c, 1));
    QCOMPARE(QByteArray::fromStdString(out), expected);
}

// lame 3.100 decoding: the frame lines become shares, the rest stays.
void ProgressReportTest::lameDecoding()
{
    const QByteArray stream = "input:  out.mp3  (44.1 kHz, 2 channels, MPEG-1 Layer III)\n"
                              "\rFrame#     2/116    128 kbps  LMSR           \b\b\b\b\b\b\b\b"
                              "\rFrame#    29/116    128 kbps   MS            \b\b\b\b\b\b\b\b"
                              "\rFrame#   116/116    128 kbps   MS            \b\b\b\b\b\b\b\b\n";
    const QByteArray expected = "input:  out.mp3  (44.1 kHz, 2 channels, MPEG-1 Layer III)\n1.7%\n25.0%\n100.0%\n";
    for (const qsizetype piece : {qsizetype(1), stream.size()}) {
        LameFramesFilter filter;
        std::string out;
        for (qsizetype at = 0; at < stream.size(); at += piece)
            out += filter.feed(
                std::string_view(stream.constData() + at, std::size_t(std::min(piece, stream.size() - at))));
        out += filter.finish();
        QCOMPARE(QByteArray::fromStdString(out), expected);
    }
}

QTEST_GUILESS_MAIN(ProgressReportTest)
#include "tst_progress_report.moc"
