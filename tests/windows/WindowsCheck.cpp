#include "WindowsCheck.h"

namespace marulo::test {

bool WindowsCheck::expect(bool ok, std::string_view what)
{
    if (ok) {
        ++passed_;
        return true;
    }
    ++failed_;
    if (failed_ <= ShownFailures)
        std::printf("FAIL: %.*s\n", static_cast<int>(what.size()), what.data());
    else if (failed_ == ShownFailures + 1)
        std::printf("(further failures are counted, not shown)\n");
    return false;
}

int WindowsCheck::finish() const
{
    std::printf("%d passed, %d failed\n", passed_, failed_);
    std::fflush(stdout);
    return failed_ == 0 && passed_ > 0 ? 0 : 1;
}

std::string WindowsCheck::Shown(const std::string& text)
{
    std::string shown = "[";
    for (char c : text) {
        if (c == '\t') {
            shown += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            shown += escaped;
        } else {
            shown += c;
        }
    }
    shown += "]";
    return shown;
}

std::string WindowsCheck::Shown(const std::vector<std::string>& list)
{
    std::string shown = "{";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            shown += ' ';
        shown += Shown(list[i]);
    }
    shown += "}";
    return shown;
}

} // namespace marulo::test
