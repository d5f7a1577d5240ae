// A converter started on Windows gets one command line and splits it itself,
// with its C runtime. So the real test of text() is a child started with
// CreateProcessW(NULL, text()): the argv its runtime hands it must be
// arguments(). The child is argv_echo, copied to a folder whose name holds
// blanks and Japanese, under a name that does too.
#include "AwkwardNames.h"
#include "Wide.h"
#include "WindowsCheck.h"

#include "core/CommandBuilder.h"
#include "core/CommandLine.h"
#include "core/ConverterTable.h"
#include "core/ToolPath.h"
#include "core/WorkPaths.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// windows.h first: shellapi.h builds on its declarations.
#include <windows.h>

#include <shellapi.h>

using namespace marulo;
using marulo::test::Narrow;
using marulo::test::Wide;
using marulo::test::WindowsCheck;

namespace {

constexpr std::uint32_t RandomSeed = 20240616;
// Each start costs wine about a tenth of a second; the in-process shell32
// check covers thousands of lines, this one the runtime's own reading.
constexpr std::size_t RandomLineCount = 80;

std::wstring ModuleFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring TempFolder()
{
    std::wstring path(MAX_PATH + 1, L'\0');
    path.resize(GetTempPathW(static_cast<DWORD>(path.size()), path.data()));
    return path;
}

std::vector<std::string> ReadEntries(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\0'); end != std::string::npos; end = bytes.find('\0', start)) {
        entries.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

class ChildRunner {
public:
    explicit ChildRunner(std::wstring reportPath) : reportPath_(std::move(reportPath))
    {
        SetEnvironmentVariableW(L"MARULO_ARGV_FILE", reportPath_.c_str());
    }

    // The raw command line the child saw, then its argv; empty if it did not
    // run to the end.
    std::vector<std::string> Run(const std::string& line) const
    {
        DeleteFileW(reportPath_.c_str());
        std::wstring wide = Wide(line); // CreateProcessW may write into it
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                            &process))
            return {};
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (exitCode != 0)
            return {};
        return ReadEntries(reportPath_);
    }

private:
    std::wstring reportPath_;
};

void CheckChild(WindowsCheck& check, const ChildRunner& child, const CommandLine& line, const std::string& what)
{
    std::vector<std::string> seen = child.Run(line.text());
    if (!check.expect(!seen.empty(), "the child ran for " + what + ": " + line.text()))
        return;
    check.expectEqual(seen.front(), line.text(), "the child got text() unchanged for " + what);
    seen.erase(seen.begin());
    check.expectEqual(seen, line.arguments(), "the child's argv is arguments() for " + what);
}

void CheckAwkwardNames(WindowsCheck& check, const ChildRunner& child, const std::string& program)
{
    for (const std::string& name : test::AwkwardNames()) {
        CommandLine line;
        line.appendPath(program).appendText(" -o ").appendPath(name).appendText(" ").appendPath(name);
        CheckChild(check, child, line, WindowsCheck::Shown(name));
    }
}

void CheckRandomLines(WindowsCheck& check, const ChildRunner& child, const std::string& program)
{
    int index = 0;
    for (const CommandLine& line : test::RandomCommandLines(program, RandomLineCount, RandomSeed))
        CheckChild(check, child, line, "random line " + std::to_string(index++));
}

// The converters are started by bare name; with the tool folder as the
// current folder Windows finds each there, as the program's own starts do.
void CheckBuiltCommands(WindowsCheck& check, const ChildRunner& child, const std::wstring& echo,
                        const std::string& toolFolder)
{
    for (std::string_view converter : ConverterExecutables) {
        const std::string path = ToolPath(toolFolder, converter);
        CopyFileW(echo.c_str(), Wide(path).c_str(), FALSE);
        check.expect(ToolIsPresent(path), "the converter copy is present: " + path);
    }
    SetCurrentDirectoryW(Wide(toolFolder).c_str());

    const std::string folder = "C:\\音楽 フォルダ\\ライブ \"2024\"";
    const std::string base = BaseFolder(folder);
    for (const std::string fileName : {"曲　1.wav", "say \"hi\" .flac", "x\ty.tta"}) {
        const std::string inputPath = InputPathOf(folder, fileName);
        const std::string name = InputName(inputPath, base);
        const std::string workWav = WorkWavPath(base, Stem3(name));
        CheckChild(check, child, BuildNormalizeCommand(MakeNormalizeOption({}), workWav, inputPath),
                   "normalize " + inputPath);
        for (int mode = 0; mode < EncodeModeCount; ++mode) {
            EncoderSettings settings;
            settings.mode = static_cast<EncodeMode>(mode);
            EncoderOptions options;
            BuildEncoderPrefix(settings, options);
            if (const auto decode = BuildDecodeCommand(settings.mode, inputPath, FlacWavPath(base, Stem4(name))))
                CheckChild(check, child, *decode, "decode " + inputPath);
            const std::string output = OutputPath(base, Stem3(name), options.OutputExtension);
            if (const auto encode = BuildEncodeCommand(settings.mode, options.EncoderPrefix, workWav, output))
                CheckChild(check, child, *encode, "encode " + inputPath);
        }
    }
}

// Why text() must never write "" inside quotes: the two Windows readers part
// there. shell32 ends the stretch; the C runtime, which is what a converter
// uses, keeps it open. Should they ever agree, the rule is merely cautious.
void CheckTheReadersDiffer(WindowsCheck& check, const ChildRunner& child, const std::string& program)
{
    const std::string line = "\"" + program + "\" \"a\"\"b c\" d";
    const std::vector<std::string> runtime = child.Run(line);
    check.expectEqual(runtime.size() == 4 ? std::vector<std::string>(runtime.begin() + 2, runtime.end())
                                          : std::vector<std::string>{},
                      std::vector<std::string>{"a\"b c", "d"}, "the C runtime keeps a quoted stretch open at \"\"");

    int count = 0;
    LPWSTR* split = CommandLineToArgvW(Wide(line).c_str(), &count);
    std::vector<std::string> shell;
    for (int i = 1; i < count; ++i)
        shell.push_back(Narrow(split[i]));
    LocalFree(split);
    check.expectEqual(shell, std::vector<std::string>{"a\"b", "c d"}, "shell32 ends a quoted stretch at \"\"");
}

} // namespace

int wmain()
{
    WindowsCheck check;
    const std::wstring scratch = TempFolder() + L"マルロ 子 プロセス " + std::to_wstring(GetCurrentProcessId());
    const std::string toolFolder = Narrow(scratch) + "\\ツール 置き場";
    CreateDirectoryW(scratch.c_str(), nullptr);
    CreateDirectoryW(Wide(toolFolder).c_str(), nullptr);

    const std::wstring echo = ModuleFolder() + L"argv_echo.exe";
    const std::string program = ToolPath(toolFolder, "変換 ツール.exe");
    check.expect(CopyFileW(echo.c_str(), Wide(program).c_str(), FALSE) != 0, "argv_echo copied to " + program);

    const ChildRunner child(scratch + L"\\argv.bin");
    CheckAwkwardNames(check, child, program);
    CheckRandomLines(check, child, program);
    CheckBuiltCommands(check, child, echo, toolFolder);
    CheckTheReadersDiffer(check, child, program);

    // The prefix is the build folder's own, so a left-over is harmless; the
    // clean-up is best effort.
    SetCurrentDirectoryW(TempFolder().c_str());
    for (std::string_view converter : ConverterExecutables)
        DeleteFileW(Wide(ToolPath(toolFolder, converter)).c_str());
    DeleteFileW(Wide(program).c_str());
    DeleteFileW((scratch + L"\\argv.bin").c_str());
    RemoveDirectoryW(Wide(toolFolder).c_str());
    RemoveDirectoryW(scratch.c_str());
    return check.finish();
}
