#pragma once

#include <string>

namespace marulo {

// The only changes a conversion makes to the file system itself; everything
// else is written by the converters.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // An existing folder, or one that cannot be made, is no error: a converter
    // that then cannot write shows up as a failed step.
    virtual void MakeFolder(const std::string& path) = 0;
    // A file that is missing or in use is no error either.
    virtual void RemoveFile(const std::string& path) = 0;
};

// The real file system through std::filesystem; paths are UTF-8.
class LocalFileOperations : public FileOperations {
public:
    void MakeFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
};

} // namespace marulo
