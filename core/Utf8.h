#pragma once

#include <cstddef>
#include <string_view>

namespace marulo {

// Names are UTF-8 and cut by characters, so a Japanese name loses whole
// characters, never half of one. Stray continuation bytes belong to the
// character before them, so even a malformed name is cut without a fault.

// The text less its last count characters; empty when it has count or fewer.
std::string_view Utf8DropLast(std::string_view text, std::size_t count);

// The first character (empty for an empty text).
std::string_view Utf8First(std::string_view text);

} // namespace marulo
