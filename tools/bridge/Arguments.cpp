#include "tools/bridge/Arguments.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <system_error>

namespace marulo::bridge {

const std::string& Arguments::valueOf(std::string_view option)
{
    if (atEnd())
        refuse("option " + quoted(option) + " needs a value");
    return next();
}

bool looksLikeOption(std::string_view arg)
{
    return arg.size() > 1 && arg.front() == '-';
}

void refuse(std::string message, int status)
{
    throw Refusal{status, std::move(message)};
}

void refuseUnknown(std::string_view option)
{
    refuse("unknown option " + quoted(option));
}

void requireInteger(std::string_view option, std::string_view value, long low, long high)
{
    long number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    const bool whole = !value.empty() && error == std::errc() && end == value.data() + value.size();
    if (!whole || number < low || number > high)
        refuse("option " + quoted(option) + " takes a whole number from " + std::to_string(low) + " to " +
               std::to_string(high) + ", not " + quoted(value));
}

namespace {

std::optional<double> plainNumber(std::string_view value)
{
    double number = 0;
    // from_chars would also take "inf", "nan" and exponents; a plain decimal is wanted.
    bool plain = !value.empty();
    for (std::size_t i = 0; i < value.size() && plain; ++i) {
        const char c = value[i];
        plain = (c >= '0' && c <= '9') || c == '.' || (c == '-' && i == 0);
    }
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (!plain || error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return number;
}

[[noreturn]] void refuseNumber(std::string_view option, std::string_view value, const char* format, double low,
                               double high)
{
    char range[96];
    std::snprintf(range, sizeof range, format, low, high);
    refuse("option " + quoted(option) + " takes a number " + range + ", not " + quoted(value));
}

} // namespace

double requireNumber(std::string_view option, std::string_view value, double low, double high)
{
    const std::optional<double> number = plainNumber(value);
    if (!number || *number < low || *number > high)
        refuseNumber(option, value, "from %g to %g", low, high);
    return *number;
}

double requireNumberInside(std::string_view option, std::string_view value, double low, double high)
{
    const std::optional<double> number = plainNumber(value);
    if (!number || *number <= low || *number >= high)
        refuseNumber(option, value, "above %g and below %g", low, high);
    return *number;
}

void requireOneOf(std::string_view option, std::string_view value, std::initializer_list<std::string_view> allowed)
{
    std::string list;
    for (std::string_view a : allowed) {
        if (a == value)
            return;
        list += (list.empty() ? "" : ", ") + std::string(a);
    }
    refuse("option " + quoted(option) + " takes one of " + list + ", not " + quoted(value));
}

void requirePathCount(const std::vector<std::string>& paths, std::size_t count, std::string_view expected)
{
    if (paths.size() < count)
        refuse("missing " + std::string(expected));
    if (paths.size() > count)
        refuse("unexpected argument " + quoted(paths[count]) + " (expected " + std::string(expected) + ")");
}

std::string asFileArgument(const std::string& path)
{
    if (path.starts_with('/') || path.starts_with("./"))
        return path;
    return "./" + path;
}

std::string asFfmpegFile(const std::string& path)
{
    return "file:" + path;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace marulo::bridge
