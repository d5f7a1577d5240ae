#pragma once

#include <string>
#include <string_view>

namespace marulo::test {

// The core speaks UTF-8; the Win32 witnesses speak UTF-16. These go through
// the system's own converter so that the witness side shares no code with
// the core.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace marulo::test
