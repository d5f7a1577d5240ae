#include "tools/bridge/TempOutput.h"

#include "tools/bridge/Arguments.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace marulo::bridge {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The extension of the file name, kept short so the name stays well inside
// the file system's limit whatever the output is called.
std::string extensionOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() - dot > 16)
        return {};
    return name.substr(dot);
}

} // namespace

TempOutput::TempOutput(const std::string& output) : output_(output)
{
    const std::string folder = folderOf(output);
    const std::string prefix = (folder == "/" ? "" : folder) + "/.marulo-part-" + std::to_string(getpid()) + "-";
    const std::string extension = extensionOf(output);
    for (int attempt = 0;; ++attempt) {
        std::string candidate = prefix + std::to_string(attempt) + extension;
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            path_ = std::move(candidate);
            return;
        }
        if (errno != EEXIST || attempt >= 100)
            refuse("cannot write in the folder " + quoted(folder) + ": " + std::strerror(errno), kStatusFailed);
    }
}

TempOutput::~TempOutput()
{
    if (!committed_)
        unlink(path_.c_str());
}

void TempOutput::commit()
{
    if (std::rename(path_.c_str(), output_.c_str()) != 0)
        refuse("cannot name the result " + quoted(output_) + ": " + std::strerror(errno), kStatusFailed);
    committed_ = true;
}

} // namespace marulo::bridge
