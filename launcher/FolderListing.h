#pragma once

#include <QString>
#include <QStringList>

namespace marulo {

// The names of the plain files of a folder that match a mask of one or more
// patterns separated by ";" (compared without regard to case: SONG.WAV is a
// WAV file), sorted by name without regard to case, then by case. What the
// file list shows, and what a run without a window would convert.
QStringList ListFolder(const QString& folder, const QString& mask);

} // namespace marulo
