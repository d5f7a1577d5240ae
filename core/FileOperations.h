#pragma once

#include <cstdint>
#include <string>

namespace marulo {

// What stood at a path at one moment: enough to tell afterwards whether a
// converter created or changed the file there.
struct FileState {
    bool exists = false;
    bool regular = false; // a plain file, not a folder or anything else
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t inode = 0; // 0 where the file system has none to give

    bool operator==(const FileState&) const = default;
};

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
    // Only a folder that is empty; anything else stays, without an error.
    virtual void RemoveEmptyFolder(const std::string& path) = 0;
    // A file to a name where nothing stands; a failure leaves it where it was.
    virtual void RenameFile(const std::string& from, const std::string& to) = 0;
    // One read of the file system; a path that cannot be read counts as absent.
    virtual FileState Stat(const std::string& path) = 0;
    // A small file of the program's own (a list for a converter), replacing
    // one of that name. False when it could not be written; a file system
    // that writes nothing itself says so.
    virtual bool WriteFile(const std::string& /*path*/, const std::string& /*contents*/) { return false; }
};

// The real file system; paths are UTF-8.
class LocalFileOperations : public FileOperations {
public:
    void MakeFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    void RemoveEmptyFolder(const std::string& path) override;
    void RenameFile(const std::string& from, const std::string& to) override;
    FileState Stat(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& contents) override;
};

} // namespace marulo
