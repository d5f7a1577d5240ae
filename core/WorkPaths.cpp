#include "core/WorkPaths.h"

#include "core/Utf8.h"

namespace marulo {

namespace {

char Separator(PathStyle style)
{
    return style == PathStyle::Windows ? '\\' : '/';
}

// "Zorvik\" or "Zorvik/": the work folder as the head of a name inside it.
std::string InWorkFolder(std::string_view baseFolder, PathStyle style)
{
    std::string path(baseFolder);
    path += WorkFolderName;
    path += Separator(style);
    return path;
}

} // namespace

std::string BaseFolder(std::string_view openedFolder, PathStyle style)
{
    std::string base(openedFolder);
    if (style == PathStyle::Windows) {
        // Only the exact drive root ("D:\") already ends in its backslash.
        std::string driveRoot(Utf8First(openedFolder));
        driveRoot += ":\\";
        if (base == driveRoot)
            return base;
    } else if (base == "/") {
        return base;
    }
    base += Separator(style);
    return base;
}

std::string InputPathOf(std::string_view folder, std::string_view fileName, PathStyle style)
{
    std::string path(folder);
    if (path.empty() || path.back() != Separator(style))
        path += Separator(style);
    path += fileName;
    return path;
}

std::string InputName(std::string_view inputPath, std::string_view baseFolder)
{
    // Both are UTF-8 and the input lies in the base folder, so dropping the
    // base's bytes leaves the bare name whatever characters the folders hold.
    if (inputPath.size() <= baseFolder.size())
        return {};
    return std::string(inputPath.substr(baseFolder.size()));
}

std::string Stem3(std::string_view inputName)
{
    return std::string(Utf8DropLast(inputName, 3));
}

std::string Stem4(std::string_view inputName)
{
    return std::string(Utf8DropLast(inputName, 4));
}

std::string WorkFolder(std::string_view baseFolder)
{
    std::string path(baseFolder);
    path += WorkFolderName;
    return path;
}

std::string WorkWavPath(std::string_view baseFolder, std::string_view stem3, PathStyle style)
{
    return InWorkFolder(baseFolder, style) + std::string(stem3) + "wav";
}

std::string FlacWavPath(std::string_view baseFolder, std::string_view stem4, PathStyle style)
{
    return InWorkFolder(baseFolder, style) + std::string(stem4) + "wav";
}

std::string OutputPath(std::string_view baseFolder, std::string_view stem3, std::string_view outputExtension,
                       PathStyle style)
{
    return InWorkFolder(baseFolder, style) + std::string(stem3) + std::string(outputExtension);
}

} // namespace marulo
