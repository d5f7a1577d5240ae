// The progress scan over converters' output: the last percentage written,
// whatever separates the lines and however the bytes arrive.
#include "launcher/ProgressScan.h"

#include <QFile>
#include <QtTest>

#include <optional>

using marulo::ProgressScan;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QString kSamples = QStringLiteral(MARULO_PROGRESS_SAMPLES);

QByteArray sample(const QString& name, qsizetype length)
{
    QFile file(kSamples + '/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return length < 0 ? bytes : bytes.first(length);
}

std::optional<double> scanInPieces(const QByteArray& bytes, qsizetype piece)
{
    ProgressScan scan;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        scan.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
    return scan.percent();
}

} // namespace

class ProgressScanTest : public QObject {
    Q_OBJECT

private slots:
    void lastPercentage_data();
    void lastPercentage();
    void readsCapturedOutput_data();
    void readsCapturedOutput();
    void capturedOutputNeverFallsBack_data();
    void capturedOutputNeverFallsBack();
    void tokenSplitAcrossChunks();
    void longRunOfDigitsIsNoPercentage();
};

void ProgressScanTest::lastPercentage_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<double>>("expected");

    QTest::newRow("nothing yet") << QByteArray("Encoding as 44.1 kHz\n") << std::optional<double>();
    QTest::newRow("lame") << QByteArray("   12/116    (10%)|    0:00/") << std::optional<double>(10);
    QTest::newRow("oggenc") << QByteArray("\r\t[ 37.5%] [ 0m00s remaining] |") << std::optional<double>(37.5);
    QTest::newRow("flac backspaces") << QByteArray("a.wav: 9% complete\b\b\b\b\b\b\b\b\b\b\b18% complete")
                                     << std::optional<double>(18);
    QTest::newRow("sox") << QByteArray("\rIn:37.50% 00:00:01.10 [00:00:01.90] Out:48.5k") << std::optional<double>(37.5);
    QTest::newRow("plain") << QByteArray("5%\n61.5%\n") << std::optional<double>(61.5);
    QTest::newRow("last wins, not the largest") << QByteArray("90% 20%") << std::optional<double>(20);
    QTest::newRow("a bare percent sign") << QByteArray("(40%) kbps  %  MS %") << std::optional<double>(40);
    QTest::newRow("above a hundred") << QByteArray("250%") << std::optional<double>(100);
    QTest::newRow("two points") << QByteArray("1.2.3%") << std::optional<double>();
    QTest::newRow("point only") << QByteArray("12% .%") << std::optional<double>(12);
    QTest::newRow("leading point") << QByteArray(".5%") << std::optional<double>(0.5);
    QTest::newRow("sign not read") << QByteArray("-5%") << std::optional<double>(5);
    // clang-format on
}

void ProgressScanTest::lastPercentage()
{
    QFETCH(QByteArray, text);
    QFETCH(std::optional<double>, expected);
    ProgressScan scan;
    scan.feed(text);
    QCOMPARE(scan.percent(), expected);
}

// Output of the Debian tools on a test file, captured once; the prefix
// length stops the stream where a run would be watched mid-way.
void ProgressScanTest::readsCapturedOutput_data()
{
    // clang-format off
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("length");
    QTest::addColumn<double>("expected");

    QTest::newRow("lame, whole") << "lame.txt" << -1 << 100.0;
    QTest::newRow("lame, at 86") << "lame.txt" << 730 << 86.0;
    QTest::newRow("oggenc, whole") << "oggenc.txt" << -1 << 93.7;
    QTest::newRow("flac, whole") << "flac.txt" << -1 << 96.0;
    QTest::newRow("sox, analysing") << "sox.txt" << 656 << 46.6;
    QTest::newRow("sox, token cut short") << "sox.txt" << 654 << 38.2;
    QTest::newRow("sox, second pass") << "sox.txt" << -1 << 100.0;
    QTest::newRow("twolame") << "twolame.txt" << -1 << 4.0;
    // clang-format on
}

void ProgressScanTest::readsCapturedOutput()
{
    QFETCH(QString, file);
    QFETCH(int, length);
    QFETCH(double, expected);
    const QByteArray bytes = sample(file, length);
    QVERIFY(!bytes.isEmpty());
    for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(7), qsizetype(64), bytes.size()})
        QCOMPARE(scanInPieces(bytes, piece), std::optional<double>(expected));
}

void ProgressScanTest::capturedOutputNeverFallsBack_data()
{
    // clang-format off
    QTest::addColumn<QString>("file");
    for (const char* file : {"lame.txt", "oggenc.txt", "flac.txt", "sox.txt", "twolame.txt"})
        QTest::newRow(file) << file;
    // clang-format on
}

// The tools' other numbers ("128.0", "ratio=0.548", "Hd:0.9") never pass
// for a percentage: read a byte at a time the share only grows.
void ProgressScanTest::capturedOutputNeverFallsBack()
{
    QFETCH(QString, file);
    const QByteArray bytes = sample(file, -1);
    QVERIFY(!bytes.isEmpty());
    ProgressScan scan;
    double last = 0;
    int changes = 0;
    for (const char byte : bytes) {
        scan.feed(QByteArrayView(&byte, 1));
        if (scan.percent() && *scan.percent() != last) {
            QVERIFY2(*scan.percent() > last, qPrintable(QString::number(*scan.percent())));
            last = *scan.percent();
            ++changes;
        }
    }
    QVERIFY(changes >= 2);
}

void ProgressScanTest::tokenSplitAcrossChunks()
{
    ProgressScan scan;
    scan.feed("[ 12.5%] [ 3");
    QCOMPARE(scan.percent(), std::optional<double>(12.5));
    scan.feed("7.");
    scan.feed("");
    scan.feed("5");
    QCOMPARE(scan.percent(), std::optional<double>(12.5));
    scan.feed("%] rest");
    QCOMPARE(scan.percent(), std::optional<double>(37.5));
}

// A frame counter or a byte count is no percentage, even when a "%" follows
// it in a later chunk; the scan holds no more than a few bytes meanwhile.
void ProgressScanTest::longRunOfDigitsIsNoPercentage()
{
    ProgressScan scan;
    scan.feed("(20%) 1234567890");
    scan.feed("1234567890");
    scan.feed("12%");
    QCOMPARE(scan.percent(), std::optional<double>(20));
    scan.feed(" 3");
    scan.feed("0%");
    QCOMPARE(scan.percent(), std::optional<double>(30));
}

QTEST_GUILESS_MAIN(ProgressScanTest)
#include "tst_progress_scan.moc"
