#include "core/NumberedNames.h"

namespace marulo {

std::string NumberedPath(std::string_view path, int number)
{
    const std::size_t nameStart = [&] {
        const std::size_t separator = path.find_last_of("/\\");
        return separator == std::string_view::npos ? 0 : separator + 1;
    }();
    // A dot that begins the name makes it hidden, not an extension.
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= nameStart)
        dot = path.size();
    std::string numbered(path.substr(0, dot));
    numbered += " (";
    numbered += std::to_string(number);
    numbered += ")";
    numbered += path.substr(dot);
    return numbered;
}

std::string FirstFreePath(const std::string& path, const std::function<bool(const std::string&)>& taken)
{
    if (!taken(path))
        return path;
    // A bound, so a file system that answers "taken" to everything cannot
    // hold the run here for ever; the last candidate is then as good as any.
    constexpr int LastNumber = 99999;
    for (int number = 1; number < LastNumber; ++number) {
        std::string candidate = NumberedPath(path, number);
        if (!taken(candidate))
            return candidate;
    }
    return NumberedPath(path, LastNumber);
}

} // namespace marulo
