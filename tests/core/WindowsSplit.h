#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marulo::test {

// An independent reading of a Windows command line, to check what a Windows
// start would hand a converter. It follows the C runtime's reading, the one a
// converter's own argv comes from, rather than shell32's CommandLineToArgvW.
// The two differ at "" inside a quoted stretch: there the C runtime
// gives a quote and keeps the stretch open, where CommandLineToArgvW gives a
// quote and ends it. CommandLine::text() never writes "" inside quotes, so
// both read what it produces alike; tests/windows checks both on the real
// system. The rules:
// - the program name runs to the first blank or tab, or is quoted whole, with
//   no backslash escapes;
// - later arguments are separated by runs of blanks and tabs outside quotes;
// - 2n backslashes before a double quote give n backslashes and the quote
//   opens or closes a quoted stretch; 2n+1 give n backslashes and a literal
//   quote; backslashes before anything else are literal;
// - inside a quoted stretch, "" gives a literal quote and the stretch goes
//   on (the C runtime's rule);
// - "" alone is an empty argument.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace marulo::test
