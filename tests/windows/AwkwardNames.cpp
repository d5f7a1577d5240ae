#include "AwkwardNames.h"

#include <array>
#include <random>
#include <string_view>

namespace marulo::test {

std::vector<std::string> AwkwardNames()
{
    return {
        "song.wav",
        "C:\\music\\Zorvik\\song.wav",
        "my song.wav",
        "C:\\my music\\Zorvik\\my song.wav",
        "two  blanks",
        " leading blank",
        "trailing blank ",
        "tab\there",
        "\tleading tab",
        "trailing tab\t",
        "say \"hi\".wav",
        "\"",
        "\"\"",
        "\"quoted\"",
        "ends in quote\"",
        "",
        " ",
        "\t",
        "-leading-dash.wav",
        "--decode",
        "back\\slash",
        "\\",
        "\\\\",
        "\\\"",
        "C:\\",
        "C:\\folder\\",
        "C:\\my folder\\",
        "C:\\my folder\\\\",
        "C:\\my folder\\\\\\",
        "a\\\"b",
        "a\\\\\"b c",
        "a\\\\\\\"b",
        "x y\\\\\\\\",
        "\\\\server\\share\\x y",
        "\\\\server\\share\\",
        "\\\\server\\my share\\曲 1.wav",
        "\\\\?\\C:\\long path\\x.wav",
        "日本語のフォルダ\\歌.wav",
        "C:\\音楽 フォルダ\\曲 1.wav",
        "C:\\音楽\tフォルダ\\",
        "全角　空白.wav",
        "　",
        "%PATH% & ^ | < >.wav",
        "$(echo) `x` *?.wav",
        "it's here.wav",
    };
}

std::vector<std::string> BetweenTexts()
{
    return {" ", "  ", " -o ", " -if ", "-o ", "", " -x", "\\", "\t", " \" "};
}

namespace {

// Weighted towards the characters that quoting has to get right.
constexpr std::array<std::string_view, 16> Alphabet{
    "a", "b", "-", ".", ":", " ", " ", "\t", "\"", "\"", "\\", "\\", "\\", "日", "　", "é",
};

std::string RandomText(std::mt19937& random)
{
    std::uniform_int_distribution<std::size_t> length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, Alphabet.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n)
        text += Alphabet[pick(random)];
    return text;
}

} // namespace

std::vector<CommandLine> RandomCommandLines(const std::string& program, std::size_t count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> fragments(1, 7);
    std::bernoulli_distribution isPath(0.5);
    std::vector<CommandLine> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        CommandLine line;
        line.appendPath(program).appendText(" ");
        for (int n = fragments(random); n > 0; --n) {
            if (isPath(random))
                line.appendPath(RandomText(random));
            else
                line.appendText(RandomText(random));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace marulo::test
