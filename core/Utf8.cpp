#include "core/Utf8.h"

namespace marulo {

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string_view Utf8DropLast(std::string_view text, std::size_t count)
{
    std::size_t end = text.size();
    for (std::size_t dropped = 0; dropped < count; ++dropped) {
        if (end == 0)
            return {};
        --end;
        while (end > 0 && IsContinuation(text[end]))
            --end;
    }
    if (end == 0)
        return {};
    return text.substr(0, end);
}

std::string_view Utf8First(std::string_view text)
{
    if (text.empty())
        return {};
    std::size_t end = 1;
    while (end < text.size() && IsContinuation(text[end]))
        ++end;
    return text.substr(0, end);
}

} // namespace marulo
