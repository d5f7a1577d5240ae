#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marulo::test {

// An independent reading of a Windows command line, written from the
// documented CommandLineToArgvW / C runtime rules, to check what a Windows
// start would hand a converter:
// - the program name runs to the first blank or tab, or is quoted whole, with
//   no backslash escapes;
// - later arguments are separated by runs of blanks and tabs outside quotes;
// - 2n backslashes before a double quote give n backslashes and the quote
//   opens or closes a quoted stretch; 2n+1 give n backslashes and a literal
//   quote; backslashes before anything else are literal;
// - inside a quoted stretch, "" gives a literal quote;
// - "" alone is an empty argument.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace marulo::test
