#include "core/FileOperations.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

void LocalFileOperations::RemoveEmptyFolder(const std::string& path)
{
    std::error_code ignored;
    const std::filesystem::path target = FromUtf8(path);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(target, ignored)) &&
        std::filesystem::is_empty(target, ignored))
        std::filesystem::remove(target, ignored);
}

void LocalFileOperations::RenameFile(const std::string& from, const std::string& to)
{
    // rename() would replace a file that appeared there meanwhile.
    std::error_code ignored;
    const std::filesystem::path target = FromUtf8(to);
    if (!std::filesystem::exists(std::filesystem::symlink_status(target, ignored)))
        std::filesystem::rename(FromUtf8(from), target, ignored);
}

bool LocalFileOperations::WriteFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(FromUtf8(path), std::ios::binary | std::ios::trunc);
    out << contents;
    out.close();
    return static_cast<bool>(out);
}

#ifndef _WIN32
FileState LocalFileOperations::Stat(const std::string& path)
{
    // stat() gives size, time and inode in one call, which is all a step's
    // before-and-after comparison needs.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    FileState state;
    state.exists = true;
    state.regular = S_ISREG(info.st_mode);
    state.size = static_cast<std::uint64_t>(info.st_size);
    state.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.inode = static_cast<std::uint64_t>(info.st_ino);
    return state;
}
#else
FileState LocalFileOperations::Stat(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path target = FromUtf8(path);
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (error || !std::filesystem::exists(status))
        return {};
    FileState state;
    state.exists = true;
    state.regular = std::filesystem::is_regular_file(status);
    if (state.regular) {
        state.size = static_cast<std::uint64_t>(std::filesystem::file_size(target, error));
        state.modifiedNs =
            static_cast<std::int64_t>(std::filesystem::last_write_time(target, error).time_since_epoch().count());
    }
    return state;
}
#endif

} // namespace marulo
