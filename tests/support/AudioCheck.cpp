#include "tests/support/AudioCheck.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QtEndian>

#include <cmath>

namespace marulo::test {

Run runProgram(const QString& program, const QStringList& args, const QProcessEnvironment& environment, int timeoutMs)
{
    Run run;
    QProcess process;
    process.setProcessEnvironment(environment);
    // A failed start ends in errorOccurred without finished; both end the wait.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    process.start(program, args);
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        return run;
    }
    run.finished = process.error() != QProcess::FailedToStart && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

bool makeWav(const QString& path, int channels, double seconds, int bits, Signal signal)
{
    QStringList args{"-n",
                     "-r",
                     "44100",
                     "-b",
                     QString::number(bits),
                     "-c",
                     QString::number(channels),
                     path,
                     "synth",
                     QString::number(seconds)};
    const char* kind = signal == Signal::Noise ? "whitenoise" : signal == Signal::Pluck ? "pluck" : "sine";
    if (signal == Signal::Noise)
        args << kind;
    else if (channels == 1)
        args << kind << "220";
    else
        args << kind << "220" << kind << "330";
    args << "gain"
         << "-6";
    const Run run = runProgram("sox", args);
    return run.finished && run.exitCode == 0;
}

bool writeLayerOneFile(const QString& path)
{
    constexpr int kFrameBytes = 136; // 12 * 128000 / 44100 slots of 4 bytes, no padding
    QByteArray file;
    for (int frame = 0; frame < 100; ++frame) {
        QByteArray bytes(kFrameBytes, '\0');
        int bit = 0;
        auto put = [&bytes, &bit](unsigned value, int count) {
            for (int i = count - 1; i >= 0; --i, ++bit)
                if ((value >> i) & 1u)
                    bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (0x80 >> (bit % 8)));
        };
        // Sync, MPEG-1, Layer I, no CRC, 128 kbit/s, 44.1 kHz, no padding, mono.
        put(0xFFF, 12), put(1, 1), put(3, 2), put(1, 1), put(4, 4), put(0, 2), put(0, 2), put(3, 2);
        put(0, 6);
        // 8 bits per sample in subband 1 only, one scale factor, a square wave.
        for (int subband = 0; subband < 32; ++subband)
            put(subband == 1 ? 7 : 0, 4);
        put(10, 6);
        for (int sample = 0; sample < 12; ++sample)
            put((sample / 3) % 2 ? 200 : 50, 8);
        file += bytes;
    }
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

QString probe(const QString& path, const QString& field, bool stream)
{
    const QString entries = stream ? "stream=" + field : "format=" + field;
    QStringList args{"-v", "error", "-show_entries", entries, "-of", "default=noprint_wrappers=1:nokey=1"};
    if (stream)
        args << "-select_streams"
             << "a:0";
    args << path;
    const Run run = runProgram("ffprobe", args);
    return run.finished && run.exitCode == 0 ? QString::fromUtf8(run.out).trimmed() : QString();
}

QMap<QString, QString> probeTags(const QString& path)
{
    const Run run = runProgram("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                           "format_tags:stream_tags", "-of", "default=noprint_wrappers=1", path});
    QMap<QString, QString> tags;
    for (const QString& line : QString::fromUtf8(run.out).split('\n')) {
        if (!line.startsWith("TAG:") || !line.contains('='))
            continue;
        const QString key = line.mid(4).section('=', 0, 0).toLower();
        if (!tags.contains(key))
            tags.insert(key, line.section('=', 1));
    }
    return tags;
}

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray bytes = id + le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

} // namespace

bool appendWavChunk(const QString& path, const QByteArray& id, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF"))
        return false;
    bytes += chunk(id, body);
    bytes.replace(4, 4, le32(static_cast<quint32>(bytes.size() - 8)));
    return file.seek(0) && file.write(bytes) == bytes.size();
}

QByteArray infoList(const InfoFields& fields)
{
    QByteArray body = "INFO";
    for (const auto& [id, text] : fields)
        body += chunk(id, text + '\0');
    return body;
}

Pcm readWav(const QString& path)
{
    Pcm pcm;
    const QByteArray file = fileBytes(path);
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return pcm;
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const auto size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16) {
            pcm.channels = qFromLittleEndian<quint16>(file.constData() + body + 2);
            pcm.rate = static_cast<int>(qFromLittleEndian<quint32>(file.constData() + body + 4));
            pcm.bits = qFromLittleEndian<quint16>(file.constData() + body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            pcm.samples = file.mid(body, std::min<qsizetype>(size, file.size() - body));
            return pcm;
        }
        at = body + size + (size & 1);
    }
    return Pcm{};
}

double peakFraction(const Pcm& pcm)
{
    const int bytes = pcm.bits / 8;
    if (bytes < 2 || bytes > 4)
        return -1;
    double peak = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(pcm.samples.constData());
    for (qsizetype i = 0; i + bytes <= pcm.samples.size(); i += bytes) {
        qint32 value = 0;
        for (int b = 0; b < bytes; ++b)
            value |= static_cast<qint32>(data[i + b]) << (8 * b + (32 - 8 * bytes));
        peak = std::max(peak, std::fabs(static_cast<double>(value) / 2147483648.0));
    }
    return peak;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace marulo::test
