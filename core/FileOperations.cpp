#include "core/FileOperations.h"

#include <filesystem>
#include <system_error>

namespace marulo {

namespace {

std::filesystem::path FromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

void LocalFileOperations::MakeFolder(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::create_directory(FromUtf8(path), ignored);
}

void LocalFileOperations::RemoveFile(const std::string& path)
{
    // Only a file: remove() would also take an empty folder of that name.
    std::error_code ignored;
    const std::filesystem::path target = FromUtf8(path);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(target, ignored)))
        return;
    std::filesystem::remove(target, ignored);
}

} // namespace marulo
