#pragma once

#include <string>
#include <string_view>

namespace marulo {

// The first character of the tool folder followed by ":\" (meaningful for a
// Windows folder; on POSIX the root is "/").
std::string ToolFolderRoot(std::string_view toolFolder);

// Where a converter is looked for: the tool folder, one separator, the name;
// a root ("C:\" or "/") takes the name directly. Works for both path styles,
// recognised from the folder itself.
std::string ToolPath(std::string_view toolFolder, std::string_view fileName);

} // namespace marulo

namespace marulo {

// Any entry of exactly that name counts (a folder, a hidden file, a dangling
// link); any failure to look counts as absent. Nothing is opened or run.
bool ToolIsPresent(const std::string& path);

} // namespace marulo
