#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace marulo {

// "song.mp3" with number 2 gives "song (2).mp3": the number goes before the
// extension of the last name in the path; a name without one ("mp3", ".wav")
// gets it at its end. Both separators count, so either path style works.
std::string NumberedPath(std::string_view path, int number);

// The path itself when nothing stands there, else the first of "name (1).ext",
// "name (2).ext", ... for which taken() says no.
std::string FirstFreePath(const std::string& path, const std::function<bool(const std::string&)>& taken);

} // namespace marulo
