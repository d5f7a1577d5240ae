#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace marulo::test {

// The tally of one Windows check program. The programs run under wine with no
// test framework (Qt is not there for Windows), so each keeps its own count,
// prints a line for each failure and ends with "N passed, N failed"; the exit
// status is what ctest reads.
class WindowsCheck {
public:
    // what names the case so that a failure line can be found again.
    bool expect(bool ok, std::string_view what);

    template <typename T>
    bool expectEqual(const T& actual, const T& expected, std::string_view what)
    {
        if (actual == expected)
            return expect(true, what);
        if (expect(false, what) || failed_ > ShownFailures)
            return false;
        std::printf("    got:      %s\n    expected: %s\n", Shown(actual).c_str(), Shown(expected).c_str());
        return false;
    }

    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // Prints the closing line and gives the exit status: 0 only when every
    // check passed and at least one ran.
    int finish() const;

    // Visible forms for failure lines: blanks, tabs and quotes are easy to
    // misread, so each argument is bracketed and control characters escaped.
    static std::string Shown(const std::string& text);
    static std::string Shown(const std::vector<std::string>& list);
    static std::string Shown(bool value) { return value ? "true" : "false"; }

private:
    // A planted fault can fail thousands of generated lines; the first few
    // say enough, the count says the rest.
    static constexpr int ShownFailures = 20;

    int passed_ = 0;
    int failed_ = 0;
};

} // namespace marulo::test
