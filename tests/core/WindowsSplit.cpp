#include "tests/core/WindowsSplit.h"

namespace marulo::test {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;

    // Program name.
    if (i < line.size()) {
        std::string program;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"')
                program += line[i++];
            if (i < line.size())
                ++i;
        } else {
            while (i < line.size() && !IsBlank(line[i]))
                program += line[i++];
        }
        arguments.push_back(program);
    }

    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;

        std::string argument;
        bool quoted = false;
        while (i < line.size()) {
            const char c = line[i];
            if (!quoted && IsBlank(c))
                break;
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (i < line.size() && line[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < line.size() && line[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                    // An even run leaves the quote for the next turn.
                } else {
                    argument.append(backslashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                // The C runtime's rule: the quote is kept and the stretch
                // stays open. CommandLineToArgvW would close it here.
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            argument += c;
            ++i;
        }
        arguments.push_back(argument);
    }
    return arguments;
}

} // namespace marulo::test
