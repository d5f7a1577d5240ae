#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marulo {

// One converter command, kept as the fragments it was joined from so that the
// text shown (and handed to a Windows start) and the argument list of a POSIX
// start come from the same data and cannot drift apart.
//
// Literal fragments and control texts are split at blanks, as the platform
// splits a command line; a path fragment is always exactly one argument.
class CommandLine {
public:
    CommandLine() = default;

    CommandLine& appendText(std::string_view text);
    CommandLine& appendPath(std::string_view path);
    CommandLine& append(const CommandLine& other);

    // The command line as the user reads it. A path that needs quoting on the
    // platform's rules (a blank, a tab, a double quote, or empty) is quoted so
    // that a Windows start splits it back into one argument; every other path
    // stands as it is, so ordinary lines are byte for byte the plain join.
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
    std::vector<Fragment> fragments_;
};

} // namespace marulo
