#include "core/CommandLine.h"

namespace marulo {

namespace {

// The separators of a Windows command line; a POSIX start splits the same way
// so that both builds hand a converter the same arguments.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool NeedsQuoting(std::string_view argument)
{
    return argument.empty() || argument.find_first_of(" \t\"") != std::string_view::npos;
}

// Writes one argument so that CommandLineToArgvW (and the C runtime's own
// parser) reads it back unchanged: backslashes count only in front of a double
// quote, so only those runs, and the run before the closing quote, are doubled.
std::string QuoteForWindows(std::string_view argument)
{
    if (!NeedsQuoting(argument))
        return std::string(argument);

    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

} // namespace

CommandLine& CommandLine::appendText(std::string_view text)
{
    if (text.empty())
        return *this;
    // Neighbouring texts are merged so that equal lines compare equal however
    // they were put together.
    if (!fragments_.empty() && !fragments_.back().isPath)
        fragments_.back().text += text;
    else
        fragments_.push_back({std::string(text), false});
    return *this;
}

CommandLine& CommandLine::appendPath(std::string_view path)
{
    fragments_.push_back({std::string(path), true});
    return *this;
}

// Both views of the line are read off this one walk. A piece is either a run
// of blanks from a text fragment, kept as it is for the displayed line, or one
// argument: text up to the next blank, with any path glued into it whole.
std::vector<CommandLine::Piece> CommandLine::pieces() const
{
    std::vector<Piece> result;
    std::string argument;
    bool inArgument = false;
    auto closeArgument = [&] {
        if (inArgument)
            result.push_back({std::move(argument), false});
        argument.clear();
        inArgument = false;
    };

    for (const Fragment& fragment : fragments_) {
        if (fragment.isPath) {
            argument += fragment.text;
            inArgument = true; // an empty path is still an argument
            continue;
        }
        for (char c : fragment.text) {
            if (IsBlank(c)) {
                closeArgument();
                if (result.empty() || !result.back().isBlank)
                    result.push_back({std::string(), true});
                result.back().text += c;
            } else {
                argument += c;
                inArgument = true;
            }
        }
    }
    closeArgument();
    return result;
}

std::string CommandLine::text() const
{
    std::string line;
    for (const Piece& piece : pieces())
        line += piece.isBlank ? piece.text : QuoteForWindows(piece.text);
    return line;
}

std::vector<std::string> CommandLine::arguments() const
{
    std::vector<std::string> result;
    for (Piece& piece : pieces()) {
        if (!piece.isBlank)
            result.push_back(std::move(piece.text));
    }
    return result;
}

} // namespace marulo
