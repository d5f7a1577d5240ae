#pragma once

#include <string>

namespace marulo {

// The names of one file of a conversion.
struct FileNames {
    std::string BaseFolder;
    std::string InputPath;
    std::string InputName;
    std::string Stem3;
    std::string Stem4;
};

FileNames NamesOf(const std::string& baseFolder, const std::string& inputPath);

// Whether two files of one run could write the same path: their stems (both
// cuts) compared without regard to case, since "song.mp2" and "song.mp3" both
// decode to "song.wav" and "a.wav" and "a.WAV" normalise to one copy. Such
// files never run at the same time.
bool ShareALane(const FileNames& a, const FileNames& b);

} // namespace marulo
