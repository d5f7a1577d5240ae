#include "core/ToolPath.h"

#include "core/Utf8.h"

#include <filesystem>
#include <system_error>

namespace marulo {

namespace {

bool IsPosixFolder(std::string_view folder)
{
    return !folder.empty() && folder.front() == '/';
}

} // namespace

std::string ToolFolderRoot(std::string_view toolFolder)
{
    if (IsPosixFolder(toolFolder))
        return "/";
    std::string root(Utf8First(toolFolder));
    root += ":\\";
    return root;
}

std::string ToolPath(std::string_view toolFolder, std::string_view fileName)
{
    std::string path(toolFolder);
    // A root already ends in its separator; the comparison is exact, so
    // "C:\Tools" or "/opt" gets one.
    if (path != ToolFolderRoot(toolFolder))
        path += IsPosixFolder(toolFolder) ? '/' : '\\';
    path += fileName;
    return path;
}

bool ToolIsPresent(const std::string& path)
{
    // A NUL would cut the name short and test another entry.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::error_code error;
    const std::filesystem::path entry(std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
    // symlink_status: the name itself is the entry, so a dangling link counts.
    const std::filesystem::file_status status = std::filesystem::symlink_status(entry, error);
    if (error)
        return false;
    return std::filesystem::exists(status);
}

} // namespace marulo
