// normalize.exe's loudness forms with the real sox and libebur128 behind
// them, checked against ffmpeg's own loudness meter: the target reached, the
// ceiling kept, one constant gain, the input's format kept, and the refusals.
#include "tests/support/AudioCheck.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace marulo::test;

namespace {

const QString kNormalize = QStringLiteral(MARULO_BRIDGE_DIR "/normalize.exe");
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Meter {
    double integrated = kNone; // LUFS
    double truePeak = kNone;   // dBTP
};

// ffmpeg's ebur128 filter, read from its summary.
Meter ffmpegMeter(const QString& path)
{
    const Run run =
        runProgram("ffmpeg", {"-nostats", "-hide_banner", "-i", path, "-af", "ebur128=peak=true", "-f", "null", "-"});
    const QString text = QString::fromUtf8(run.err);
    const QString summary = text.mid(text.lastIndexOf("Summary:"));
    Meter meter;
    const QRegularExpressionMatch i = QRegularExpression(R"(I:\s+(-?[\d.]+|-inf) LUFS)").match(summary);
    const QRegularExpressionMatch p = QRegularExpression(R"(Peak:\s+(-?[\d.]+|-inf) dBFS)").match(summary);
    if (i.hasMatch())
        meter.integrated = i.captured(1).toDouble();
    if (p.hasMatch())
        meter.truePeak = p.captured(1) == "-inf" ? -HUGE_VAL : p.captured(1).toDouble();
    return meter;
}

// The samples as floats, decoded by sox.
std::vector<float> samplesOf(const QString& path)
{
    const QByteArray raw = runProgram("sox", {path, "-t", "f32", "-"}).out;
    std::vector<float> samples(static_cast<std::size_t>(raw.size()) / sizeof(float));
    std::memcpy(samples.data(), raw.constData(), samples.size() * sizeof(float));
    return samples;
}

struct Fit {
    double ratio = 0;    // out = ratio * in, by least squares
    double residual = 0; // the largest departure from it, in full scale
};

Fit fitRatio(const std::vector<float>& in, const std::vector<float>& out)
{
    double inOut = 0;
    double inIn = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        inOut += double{in[i]} * out[i];
        inIn += double{in[i]} * in[i];
    }
    Fit fit{.ratio = inIn > 0 ? inOut / inIn : 0};
    for (std::size_t i = 0; i < in.size(); ++i)
        fit.residual = std::max(fit.residual, std::fabs(out[i] - fit.ratio * in[i]));
    return fit;
}

// "gain G dB", the last line of standard error.
double reportedGain(const QByteArray& err)
{
    const QList<QByteArray> lines = err.trimmed().split('\n');
    const QRegularExpressionMatch m = QRegularExpression(R"(^gain (-?\d+\.\d\d) dB$)").match(lines.last());
    return m.hasMatch() ? m.captured(1).toDouble() : kNone;
}

QStringList percentages(const QByteArray& err)
{
    QStringList out;
    for (const QByteArray& line : err.split('\n')) {
        if (line.endsWith('%'))
            out << QString::fromUtf8(line.chopped(1));
    }
    return out;
}

} // namespace

class LoudnessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void appliesOneGain_data();
    void appliesOneGain();
    void refusesBadValues_data();
    void refusesBadValues();
    void measuresFilesAsOneProgramme_data();
    void measuresFilesAsOneProgramme();

private:
    QString input(const QString& name) const { return work_.filePath("in/" + name); }
    QString outputFolder();
    void makeSignal(const QString& name, const QStringList& format, const QStringList& synth);

    QTemporaryDir work_;
    int folders_ = 0;
};

void LoudnessTest::makeSignal(const QString& name, const QStringList& format, const QStringList& synth)
{
    const Run run = runProgram("sox", QStringList{"-D", "-n"} + format + QStringList{input(name), "synth"} + synth);
    QVERIFY2(run.exitCode == 0, run.err.constData());
}

void LoudnessTest::initTestCase()
{
    QVERIFY(work_.isValid());
    QVERIFY(QDir(work_.path()).mkpath("in"));
    const QStringList cd = {"-r", "44100", "-c", "2", "-b", "16"};
    makeSignal("pink.wav", cd, {"6", "pinknoise", "vol", "0.3"});
    makeSignal("white.wav", cd, {"4", "whitenoise", "vol", "0.3"});
    makeSignal("quiet.wav", cd, {"6", "sine", "440", "vol", "0.02"});
    makeSignal("tone48.wav", {"-r", "48000", "-c", "1", "-b", "24"}, {"5", "sine", "1000", "vol", "0.05"});
    makeSignal("silent.wav", cd, {"2", "sine", "440", "vol", "0"});
}

QString LoudnessTest::outputFolder()
{
    const QString name = QString("out%1").arg(++folders_);
    QDir(work_.path()).mkdir(name);
    return work_.filePath(name);
}

void LoudnessTest::appliesOneGain_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("source");
    QTest::addColumn<double>("lufs");    // the loudness ffmpeg must find; kNone: unchanged
    QTest::addColumn<double>("ceiling"); // the true peak ffmpeg must not pass
    QTest::addColumn<double>("gain");    // the gain reported; kNone: not known beforehand
    QTest::addColumn<QString>("said");   // a line on standard error besides the gain

    QTest::newRow("noise to -16")           << QStringList{"-l", "-16"} << "pink.wav" << -16.0 << -1.0 << kNone << "";
    QTest::newRow("noise to -23")           << QStringList{"-l", "-23", "-t", "-2"} << "pink.wav" << -23.0 << -2.0 << kNone << "";
    QTest::newRow("quiet tone raised")      << QStringList{"-l", "-14"} << "quiet.wav" << -14.0 << -1.0 << kNone << "";
    QTest::newRow("24-bit mono 48 kHz")     << QStringList{"-l", "-20"} << "tone48.wav" << -20.0 << -1.0 << kNone << "";
    QTest::newRow("ceiling -1 holds white noise") << QStringList{"-l", "-2"} << "white.wav" << kNone << -1.0 << kNone << "quieter than the -2.0 LUFS asked";
    QTest::newRow("ceiling -6 holds noise") << QStringList{"-l", "-10", "-t", "-6"} << "pink.wav" << kNone << -6.0 << kNone << "quieter than the -10.0 LUFS asked";
    QTest::newRow("fixed gain down")        << QStringList{"-g", "-7.5"} << "pink.wav" << kNone << 0.0 << -7.5 << "";
    QTest::newRow("fixed gain up")          << QStringList{"-g", "12"} << "quiet.wav" << kNone << 0.0 << 12.0 << "";
    QTest::newRow("silence copied")         << QStringList{"-l", "-16"} << "silent.wav" << kNone << 0.0 << 0.0 << "silent";
    // clang-format on
}

void LoudnessTest::appliesOneGain()
{
    QFETCH(QStringList, options);
    QFETCH(QString, source);
    QFETCH(double, lufs);
    QFETCH(double, ceiling);
    QFETCH(double, gain);
    QFETCH(QString, said);

    const QString out = outputFolder() + "/normalised.wav";
    const Run run = runProgram(kNormalize, options + QStringList{"-o", out, input(source)});
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());

    const double reported = reportedGain(run.err);
    QVERIFY2(!std::isnan(reported), run.err.constData());
    if (!std::isnan(gain))
        QCOMPARE(reported, gain);
    if (!said.isEmpty())
        QVERIFY2(run.err.contains(said.toUtf8()), run.err.constData());
    else
        QVERIFY2(!run.err.contains("quieter"), run.err.constData());

    const Meter meter = ffmpegMeter(out);
    if (!std::isnan(lufs))
        QVERIFY2(std::fabs(meter.integrated - lufs) <= 0.5, qPrintable(QString::number(meter.integrated)));
    // ffmpeg prints the peak to a tenth.
    QVERIFY2(meter.truePeak <= ceiling + 0.05, qPrintable(QString::number(meter.truePeak)));

    // One constant gain, the one reported: every sample within a rounding
    // step of the input's times it.
    const Pcm before = readWav(input(source));
    const Pcm after = readWav(out);
    QCOMPARE(after.rate, before.rate);
    QCOMPARE(after.channels, before.channels);
    QCOMPARE(after.bits, before.bits);
    const std::vector<float> in = samplesOf(input(source));
    const std::vector<float> outSamples = samplesOf(out);
    QCOMPARE(outSamples.size(), in.size());
    if (source == "silent.wav") {
        QCOMPARE(after.samples, before.samples);
        return;
    }
    const Fit fit = fitRatio(in, outSamples);
    QVERIFY2(std::fabs(20 * std::log10(fit.ratio) - reported) <= 0.006, qPrintable(QString::number(fit.ratio)));
    QVERIFY2(fit.residual <= 1.0 / (1 << (before.bits - 1)), qPrintable(QString::number(fit.residual)));

    // The measuring and the applying share one scale from 0 to 100.
    const QStringList shares = percentages(run.err);
    QVERIFY(shares.size() >= 3);
    QCOMPARE(shares.first(), "0.0");
    QCOMPARE(shares.last(), "100.0");
    for (int i = 1; i < shares.size(); ++i)
        QVERIFY2(shares[i].toDouble() >= shares[i - 1].toDouble(), qPrintable(shares.join(' ')));
    if (options.first() == "-l")
        QVERIFY2(shares.contains("50.0"), qPrintable(shares.join(' ')));
}

void LoudnessTest::refusesBadValues_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    QTest::newRow("-l not a number") << QStringList{"-l", "abc"} << "\"-l\" takes a number above -70 and below 0";
    QTest::newRow("-l above 0") << QStringList{"-l", "3"} << "\"-l\" takes a number above -70 and below 0";
    QTest::newRow("-l at -70") << QStringList{"-l", "-70"} << "\"-l\" takes a number above -70 and below 0";
    QTest::newRow("-t above 0") << QStringList{"-l", "-16", "-t", "2"} << "\"-t\" takes a number from -9 to 0";
    QTest::newRow("-t below -9") << QStringList{"-l", "-16", "-t", "-9.5"} << "\"-t\" takes a number from -9 to 0";
    QTest::newRow("-g 100") << QStringList{"-g", "100"} << "\"-g\" takes a number from -60 to 60";
    QTest::newRow("-t without -l") << QStringList{"-g", "3", "-t", "-1"} << "\"-t\"";
    QTest::newRow("-m with -l") << QStringList{"-m", "90", "-l", "-16"} << "exclude each other";
}

void LoudnessTest::refusesBadValues()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);

    const QString folder = outputFolder();
    const Run run = runProgram(kNormalize, options + QStringList{"-o", folder + "/x.wav", input("pink.wav")});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(entriesOf(folder), QStringList());

    // A missing value: the option ends the line.
    const Run bare = runProgram(kNormalize, QStringList{"-o", folder + "/x.wav", input("pink.wav"), options.first()});
    QVERIFY(bare.finished && bare.exitCode == 2);
    QVERIFY2(bare.err.contains("needs a value"), bare.err.constData());
    QCOMPARE(entriesOf(folder), QStringList());
}

// Two files of one album, one 20 LU quieter: the album's loudness is that of
// the two played one after the other, not the mean of the two figures.
void LoudnessTest::measuresFilesAsOneProgramme_data()
{
    QTest::addColumn<bool>("list");
    QTest::newRow("paths") << false;
    QTest::newRow("list file") << true;
}

void LoudnessTest::measuresFilesAsOneProgramme()
{
    QFETCH(bool, list);

    const QString folder = outputFolder();
    QStringList args{"--measure"};
    if (list) {
        QFile file(folder + "/album.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((input("pink.wav") + '\n' + input("quiet.wav") + '\n').toUtf8());
        file.close();
        args << "--list" << file.fileName();
    } else {
        args << input("pink.wav") << input("quiet.wav");
    }
    const Run run = runProgram(kNormalize, args);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
    const QRegularExpressionMatch m =
        QRegularExpression(R"(^integrated (-?\d+\.\d) LUFS true-peak (-?\d+\.\d\d) dBTP\n$)")
            .match(QString::fromUtf8(run.out));
    QVERIFY2(m.hasMatch(), run.out.constData());

    const QString joined = work_.filePath("joined.wav");
    QCOMPARE(runProgram("sox", {input("pink.wav"), input("quiet.wav"), joined}).exitCode, 0);
    const Meter meter = ffmpegMeter(joined);
    QVERIFY2(std::fabs(m.captured(1).toDouble() - meter.integrated) <= 0.2, qPrintable(m.captured(0)));
    // True peak meters differ in how they interpolate between samples: on
    // noise by up to half a decibel.
    QVERIFY2(std::fabs(m.captured(2).toDouble() - meter.truePeak) <= 0.5, qPrintable(m.captured(0)));
    QCOMPARE(percentages(run.err).last(), "100.0");
    QCOMPARE(entriesOf(folder), list ? QStringList{"album.txt"} : QStringList());
}

QTEST_GUILESS_MAIN(LoudnessTest)
#include "tst_loudness.moc"
