#pragma once

#include "core/CommandLine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marulo::test {

// Names a converter may be handed on Windows: blanks, tabs, double quotes,
// runs of backslashes before quotes and at the end, UNC and long-path forms,
// Japanese and the full-width blank U+3000 (which is no separator).
std::vector<std::string> AwkwardNames();

// The texts the command builders put between two paths, and a few stray ones.
std::vector<std::string> BetweenTexts();

// Command lines put together at random from awkward characters, the same
// lines on every run for a given seed so that a failure can be replayed.
//
// Each line starts with the program, then a blank, as every command the core
// builds does: Windows reads the program name by other rules (no backslash
// escapes), and a program's file name can hold neither a double quote nor a
// tab, so the awkward part is everything after it.
std::vector<CommandLine> RandomCommandLines(const std::string& program, std::size_t count, std::uint32_t seed);

} // namespace marulo::test
