#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marulo {

// One converter command, kept as the fragments it was joined from so that the
// text shown (and handed to a Windows start) and the argument list of a POSIX
// start come from the same data and cannot drift apart.
//
// Literal fragments and control texts are split at blanks (space, tab), as the
// platform splits a command line: a run of blanks separates two arguments and
// never makes an empty one. A path fragment is always exactly one argument,
// even when empty; text touching it with no blank between joins that argument.
//
// text() is the plain join of the fragments, blanks and all, except that an
// argument that a Windows start would not read back whole (it is empty, or holds
// a blank, a tab or a double quote) is written quoted by the CommandLineToArgvW
// rules. So a Windows split of text() gives arguments(), and a line whose paths
// hold none of those characters is exactly the plain join. The one text that is
// not a path yet gets quoted is a control text holding a double quote: it
// reaches the converter as the character typed instead of opening a quoted
// stretch that would swallow the paths after it.
class CommandLine {
public:
    CommandLine() = default;

    CommandLine& appendText(std::string_view text);
    CommandLine& appendPath(std::string_view path);

    // The command line as the user reads it and as a Windows start takes it.
    // An argument that needs quoting (a path with a blank, a tab or a double
    // quote, or an empty path) is quoted so that a Windows split gives it back
    // whole; every other argument stands as it is, so ordinary lines are byte
    // for byte the plain join.
    std::string text() const;

    // The arguments of a POSIX start: [0] is the executable's bare name.
    std::vector<std::string> arguments() const;

    bool empty() const { return fragments_.empty(); }

    bool operator==(const CommandLine&) const = default;

private:
    struct Fragment {
        std::string text;
        bool isPath = false;
        bool operator==(const Fragment&) const = default;
    };
    struct Piece {
        std::string text;
        bool isBlank = false; // a run of separating blanks, else one argument
    };
    std::vector<Piece> pieces() const;

    std::vector<Fragment> fragments_;
};

} // namespace marulo
