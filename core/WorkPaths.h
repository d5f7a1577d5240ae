#pragma once

#include <string>
#include <string_view>

namespace marulo {

// Windows paths end folders in a backslash and keep a drive root "D:\" as it
// is; POSIX paths use "/" and keep the root "/". The program uses its own
// platform's style; tests use both.
enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle NativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle NativePathStyle = PathStyle::Posix;
#endif

inline constexpr std::string_view WorkFolderName = "Zorvik";

std::string BaseFolder(std::string_view openedFolder, PathStyle style = NativePathStyle);
// The file list's full path of one item: folder, a separator unless the folder
// already ends in one, the item's name.
std::string InputPathOf(std::string_view folder, std::string_view fileName, PathStyle style = NativePathStyle);
// The input less as many bytes as the base folder holds (both UTF-8); empty
// when the input is no longer than the base.
std::string InputName(std::string_view inputPath, std::string_view baseFolder);
// Cuts count characters (UTF-8 code points), never bytes; three or four
// characters or fewer leave an empty stem. The extension is not examined.
std::string Stem3(std::string_view inputName);
std::string Stem4(std::string_view inputName);
std::string WorkFolder(std::string_view baseFolder);
std::string WorkWavPath(std::string_view baseFolder, std::string_view stem3, PathStyle style = NativePathStyle);
std::string FlacWavPath(std::string_view baseFolder, std::string_view stem4, PathStyle style = NativePathStyle);
std::string OutputPath(std::string_view baseFolder, std::string_view stem3, std::string_view outputExtension,
                       PathStyle style = NativePathStyle);

} // namespace marulo
