#pragma once

#include "core/EncodeMode.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace marulo {

// Files of one folder, converted as one press of the window there.
struct FolderFiles {
    QString folder;
    QStringList paths;
};

// The first of the paths that does not exist or cannot be read; empty when
// every one can.
QString UnreadablePath(const QStringList& paths);

// The files of the batch in its order: a file as it is, a folder as the
// files the window lists there for the mode (the decode mask while
// decoding, WAV files otherwise), in the list's order.
QStringList BatchFileList(const QStringList& paths, EncodeMode mode, bool decode);

// The files cut into runs of one folder each, in order.
std::vector<FolderFiles> ByFolder(const QStringList& files);

// A word for a POSIX shell: left as it is when it holds only characters no
// shell reads specially, else between single quotes.
QString ShellQuoted(const QString& word);

// One line per file: the program, its options and the file, for a shell.
// The program and the file are always quoted.
QStringList JobLines(const QString& program, const QStringList& options, const QStringList& files);

} // namespace marulo
