#include "tools/bridge/InfoText.h"

#include <iconv.h>

#include <optional>
#include <string>

namespace marulo::bridge {

namespace {

bool isUtf8(const TagLib::ByteVector& data)
{
    std::size_t i = 0;
    const std::size_t size = data.size();
    while (i < size) {
        const auto lead = static_cast<unsigned char>(data[static_cast<unsigned int>(i)]);
        std::size_t extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xc2 && lead <= 0xdf) {
            extra = 1;
            code = lead & 0x1fu;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            extra = 2;
            code = lead & 0x0fu;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            extra = 3;
            code = lead & 0x07u;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= size)
                return false;
            const auto next = static_cast<unsigned char>(data[static_cast<unsigned int>(i + k)]);
            if ((next & 0xc0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3fu);
        }
        // Overlong forms, UTF-16 halves and code points past U+10FFFF are not UTF-8.
        if ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10ffff)) ||
            (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += extra + 1;
    }
    return true;
}

// The whole text through iconv, or nothing when any byte is not CP932.
std::optional<std::string> fromCp932(const TagLib::ByteVector& data)
{
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in(data.data(), data.size());
    std::string out(in.size() * 3 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t fromLeft = in.size();
    std::size_t toLeft = out.size();
    const std::size_t result = iconv(converter, &from, &fromLeft, &to, &toLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || fromLeft != 0)
        return std::nullopt;
    out.resize(out.size() - toLeft);
    return out;
}

bool isKanaOrKanji(wchar_t c)
{
    return (c >= 0x3040 && c <= 0x30ff) || (c >= 0x3400 && c <= 0x4dbf) || (c >= 0x4e00 && c <= 0x9fff) ||
           (c >= 0xf900 && c <= 0xfaff);
}

bool isHalfWidthKatakana(wchar_t c)
{
    return c >= 0xff61 && c <= 0xff9f;
}

// Latin-1 text never holds the bytes 0x80-0x9f (they are control codes there),
// while CP932 puts the kana and the common kanji behind lead bytes in that
// range. Without one, a Latin-1 word such as "Crème" would pass as CP932: its
// "è" followed by a letter is a valid rare kanji.
bool hasCp932LeadRange(const TagLib::ByteVector& data)
{
    for (const char byte : data) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value <= 0x9f)
            return true;
    }
    return false;
}

std::optional<TagLib::String> asJapanese(const TagLib::ByteVector& data)
{
    if (!hasCp932LeadRange(data))
        return std::nullopt;
    const std::optional<std::string> utf8 = fromCp932(data);
    if (!utf8)
        return std::nullopt;
    const TagLib::String text(*utf8, TagLib::String::UTF8);
    bool japanese = false;
    for (const wchar_t c : text) {
        if (isHalfWidthKatakana(c))
            return std::nullopt;
        japanese = japanese || isKanaOrKanji(c);
    }
    if (!japanese)
        return std::nullopt;
    return text;
}

// The terminating zero and the padding some writers add are not text.
TagLib::ByteVector withoutTrailingZeros(TagLib::ByteVector data)
{
    while (!data.isEmpty() && data[data.size() - 1] == '\0')
        data.resize(data.size() - 1);
    return data;
}

} // namespace

TagLib::String InfoText::parse(const TagLib::ByteVector& raw) const
{
    const TagLib::ByteVector data = withoutTrailingZeros(raw);
    if (isUtf8(data))
        return TagLib::String(data, TagLib::String::UTF8);
    if (const std::optional<TagLib::String> japanese = asJapanese(data))
        return *japanese;
    return TagLib::String(data, TagLib::String::Latin1);
}

TagLib::ByteVector InfoText::render(const TagLib::String& text) const
{
    return text.data(TagLib::String::UTF8);
}

void InfoText::install()
{
    static const InfoText handler;
    TagLib::RIFF::Info::Tag::setStringHandler(&handler);
}

} // namespace marulo::bridge
