#pragma once

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace marulo::test {

// Helpers shared by the bridge and end-to-end tests: running a program to its
// end, making short test signals with sox, asking ffprobe, reading WAV samples.

struct Run {
    bool finished = false; // false: did not start or did not end in time
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs program with args (each one argument, no shell) and waits on its
// finished signal. stdin is closed at once.
Run runProgram(const QString& program, const QStringList& args,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
               int timeoutMs = 120000);

enum class Signal {
    Tone,  // steady sines, one per channel
    Noise, // white noise: every bit of every sample in use
    Pluck, // plucked strings: rich enough that a lossy encoder uses every bit it is given
};

// A WAV file at 44.1 kHz made by sox, at half of full scale. Returns false on failure.
bool makeWav(const QString& path, int channels, double seconds = 1.0, int bits = 16, Signal signal = Signal::Tone);

// An MPEG-1 Layer I file (44.1 kHz, 128 kbit/s, mono, about 0.9 s) written bit
// by bit: no Debian tool encodes Layer I, yet the MP3 decoder must read it.
bool writeLayerOneFile(const QString& path);

// One field of ffprobe's report: "format_name" of the container or, with
// stream set, the field of the first audio stream (e.g. "codec_name").
QString probe(const QString& path, const QString& field, bool stream = false);

// Every tag ffprobe reports, of the container and of its first audio stream
// (where Ogg keeps them), under its key in lower case; the container's first.
QMap<QString, QString> probeTags(const QString& path);

// Adds a chunk at the end of a WAV file and corrects the RIFF size.
bool appendWavChunk(const QString& path, const QByteArray& id, const QByteArray& body);

// The body of a "LIST" chunk of type INFO holding the fields as given, bytes
// and all (INFO says nothing of the text's encoding).
using InfoFields = QList<QPair<QByteArray, QByteArray>>;
QByteArray infoList(const InfoFields& fields);

struct Pcm {
    int channels = 0;
    int bits = 0;
    int rate = 0;
    QByteArray samples; // the data chunk as stored
    bool valid() const { return channels > 0 && bits > 0; }
};

// Reads the format and the data chunk of a PCM WAV file (plain or extensible).
Pcm readWav(const QString& path);

// The largest sample magnitude as a fraction of full scale (32768 for 16 bits).
double peakFraction(const Pcm& pcm);

QByteArray fileBytes(const QString& path);

// Every entry of a folder, hidden ones included, for "nothing left behind" checks.
QStringList entriesOf(const QString& folder);

} // namespace marulo::test
