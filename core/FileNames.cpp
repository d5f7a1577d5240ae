#include "core/FileNames.h"

#include "core/WorkPaths.h"

#include <algorithm>

namespace marulo {

namespace {

// Letters A to Z only: the other bytes of a UTF-8 name are compared as they
// are, which can only keep two files apart that a case-blind folder would
// also keep apart in nearly every case.
std::string Folded(const std::string& text)
{
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return folded;
}

} // namespace

FileNames NamesOf(const std::string& baseFolder, const std::string& inputPath)
{
    FileNames names;
    names.BaseFolder = baseFolder;
    names.InputPath = inputPath;
    names.InputName = InputName(inputPath, baseFolder);
    names.Stem3 = Stem3(names.InputName);
    names.Stem4 = Stem4(names.InputName);
    return names;
}

bool ShareALane(const FileNames& a, const FileNames& b)
{
    const std::string a3 = Folded(a.Stem3), a4 = Folded(a.Stem4);
    const std::string b3 = Folded(b.Stem3), b4 = Folded(b.Stem4);
    return a3 == b3 || a3 == b4 || a4 == b3 || a4 == b4;
}

} // namespace marulo
