#pragma once

#include <QByteArray>
#include <QString>

namespace marulo::HandOver {

// What a later start sends the running copy, and the answers. Version 2 adds
// the folder or file to open:
//   "marulo-activate 2\n" <path, percent-encoded; empty for none> "\n"
// Version 1 ("marulo-activate 1\n", no path) is still understood as a plain
// request to come forward. Any other version is refused, so a copy of another
// release never guesses at a message it does not know.
inline constexpr int Version = 2;
inline constexpr const char* OpenedAnswer = "ok\n";
inline constexpr const char* NotOpenedAnswer = "not-opened\n";
inline constexpr const char* RefusedAnswer = "refused\n";
// Three bytes per byte of the longest path, and the header.
inline constexpr qsizetype LongestMessage = 3 * 4096 + 64;

QByteArray encode(const QString& path);

struct Request {
    enum class Kind {
        Incomplete, // more bytes are needed
        Activate,   // come forward, open nothing
        Open,       // come forward and open path
        Refused,    // another version, or not a message of ours
    };
    Kind kind = Kind::Incomplete;
    QString path;
};

// Reads what has arrived so far.
Request decode(const QByteArray& received);

} // namespace marulo::HandOver
