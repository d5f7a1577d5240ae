// CommandLine::text() split by the real shell32 CommandLineToArgvW must give
// back arguments(): what the window shows and hands a Windows start is what a
// POSIX start passes one by one.
#include "AwkwardNames.h"
#include "Wide.h"
#include "WindowsCheck.h"

#include "core/CommandBuilder.h"
#include "core/CommandLine.h"
#include "core/WorkPaths.h"

#include <string>
#include <vector>

// windows.h first: shellapi.h builds on its declarations.
#include <windows.h>

#include <shellapi.h>

using namespace marulo;
using marulo::test::WindowsCheck;

namespace {

constexpr std::uint32_t RandomSeed = 20240615;
constexpr std::size_t RandomLineCount = 5000;

std::vector<std::string> SplitByShell32(const std::string& line)
{
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(test::Wide(line).c_str(), &count);
    std::vector<std::string> arguments;
    if (split == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(test::Narrow(split[i]));
    LocalFree(split);
    return arguments;
}

// shell32 ends a quoted stretch at "" where the C runtime keeps it open and
// adds a quote, so a line holding "" inside quotes reaches a converter in a
// way that depends on which of the two reads it. text() must never write one.
// Walks the line by the shared rules: backslashes count only before a quote.
bool HoldsDoubleQuoteInsideQuotes(const std::string& line)
{
    std::size_t i = 0;
    // The program name ends at its closing quote or the first blank; it holds
    // no quote of its own.
    if (!line.empty() && line[0] == '"')
        i = line.find('"', 1);
    else
        i = line.find_first_of(" \t");
    if (i == std::string::npos)
        return false;

    bool quoted = false;
    std::size_t backslashes = 0;
    for (++i; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"' && backslashes % 2 == 0) {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"')
                return true;
            quoted = !quoted;
        }
        backslashes = 0;
    }
    return false;
}

void CheckLine(WindowsCheck& check, const CommandLine& line, const std::string& what)
{
    const std::string text = line.text();
    check.expectEqual(SplitByShell32(text), line.arguments(), "CommandLineToArgvW of " + what + ": " + text);
    check.expect(!HoldsDoubleQuoteInsideQuotes(text), "no \"\" inside quotes in " + what + ": " + text);
}

void CheckOnePath(WindowsCheck& check)
{
    for (const std::string& name : test::AwkwardNames()) {
        CommandLine line;
        line.appendText("tool.exe ").appendPath(name);
        CheckLine(check, line, "one path " + WindowsCheck::Shown(name));
        const std::vector<std::string> split = SplitByShell32(line.text());
        check.expect(split.size() == 2 && split[1] == name, "the path comes back whole: " + WindowsCheck::Shown(name));
    }
}

void CheckEveryPair(WindowsCheck& check)
{
    const std::vector<std::string> names = test::AwkwardNames();
    for (const std::string& first : names) {
        for (const std::string& second : names) {
            for (const std::string& between : test::BetweenTexts()) {
                CommandLine line;
                line.appendText("tool.exe ").appendPath(first).appendText(between).appendPath(second);
                CheckLine(check, line,
                          "pair " + WindowsCheck::Shown(first) + WindowsCheck::Shown(between) +
                              WindowsCheck::Shown(second));
            }
        }
    }
}

// The lines a conversion really builds, in every mode, for awkward folders and
// file names laid out by the work path rules.
void CheckBuiltCommands(WindowsCheck& check)
{
    const std::vector<std::string> folders{
        "C:\\", "C:\\my music", "C:\\音楽 フォルダ", "\\\\server\\my share\\曲", "\\\\?\\C:\\long path",
    };
    for (const std::string& folder : folders) {
        const std::string base = BaseFolder(folder);
        for (const std::string& fileName : test::AwkwardNames()) {
            const std::string inputPath = InputPathOf(folder, fileName);
            const std::string name = InputName(inputPath, base);
            const std::string workWav = WorkWavPath(base, Stem3(name));
            const std::string what = WindowsCheck::Shown(inputPath);
            CheckLine(check, BuildNormalizeCommand(MakeNormalizeOption({}), workWav, inputPath), "normalize " + what);
            for (int mode = 0; mode < EncodeModeCount; ++mode) {
                EncoderSettings settings;
                settings.mode = static_cast<EncodeMode>(mode);
                EncoderOptions options;
                BuildEncoderPrefix(settings, options);
                const std::string output = OutputPath(base, Stem3(name), options.OutputExtension);
                const std::string decoded = FlacWavPath(base, Stem4(name));
                if (const auto decode = BuildDecodeCommand(settings.mode, inputPath, decoded))
                    CheckLine(check, *decode, "decode " + what);
                if (const auto encode = BuildEncodeCommand(settings.mode, options.EncoderPrefix, workWav, output)) {
                    CheckLine(check, *encode, "encode " + what);
                    check.expectEqual(SplitByShell32(encode->text()).back(), output, "encode output last " + what);
                }
            }
        }
    }
}

void CheckRandomLines(WindowsCheck& check)
{
    int index = 0;
    for (const CommandLine& line :
         test::RandomCommandLines("C:\\Program Files\\ツール 1\\tool.exe", RandomLineCount, RandomSeed))
        CheckLine(check, line, "random line " + std::to_string(index++));
}

} // namespace

int wmain()
{
    WindowsCheck check;
    CheckOnePath(check);
    CheckEveryPair(check);
    CheckBuiltCommands(check);
    CheckRandomLines(check);
    return check.finish();
}
