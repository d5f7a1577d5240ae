// The path rules against real files on wine's C: drive. The core builds its
// paths with std::filesystem and string rules; the witnesses are the wide
// Win32 calls (GetFileAttributesW, FindFirstFileW, GetFullPathNameW), which
// share no code with it.
#include "Wide.h"
#include "WindowsCheck.h"

#include "core/FileOperations.h"
#include "core/ToolPath.h"
#include "core/WorkPaths.h"

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

using namespace marulo;
using marulo::test::Narrow;
using marulo::test::Wide;
using marulo::test::WindowsCheck;

namespace {

DWORD Attributes(const std::string& path)
{
    return GetFileAttributesW(Wide(path).c_str());
}

bool Exists(const std::string& path)
{
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, "RIFF", 4, &written, nullptr);
    CloseHandle(file);
    return true;
}

// The names in a folder as the system lists them, sorted.
std::vector<std::string> List(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Narrow(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool Listed(const std::string& folder, const std::string& name)
{
    const std::vector<std::string> names = List(folder);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A path the core builds must already be in the system's own full form: a
// doubled separator or a drive-relative "C:name" would come back changed.
std::string FullPath(const std::string& path)
{
    const std::wstring wide = Wide(path);
    std::wstring full(32768, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return Narrow(full);
}

void ExpectFullForm(WindowsCheck& check, const std::string& path)
{
    check.expectEqual(FullPath(path), path, "already a full path: " + path);
}

// One opened folder laid out as a conversion lays it out, with real files.
// The expected base, stems and work folder are literal so that a fault cannot
// hide in a computation the check shares with the core.
struct Layout {
    std::string openedFolder;
    std::string base;       // BaseFolder, literal
    std::string inputName;  // a file created in the opened folder
    std::string stem3;      // Stem3 of it, literal
    std::string flacName;   // a second file, for Stem4
    std::string stem4;      // Stem4 of it, literal
    std::string workFolder; // literal
};

void CheckLayout(WindowsCheck& check, const Layout& layout)
{
    const std::string& folder = layout.openedFolder;
    const std::string base = BaseFolder(folder);
    check.expectEqual(base, layout.base, "BaseFolder of " + folder);

    for (const std::string& fileName : {layout.inputName, layout.flacName}) {
        const std::string inputPath = InputPathOf(folder, fileName);
        check.expect(MakeFile(inputPath), "made " + inputPath);
        check.expect(Listed(folder, fileName), "listed in its folder: " + inputPath);
        ExpectFullForm(check, inputPath);
        check.expectEqual(InputName(inputPath, base), fileName, "InputName of " + inputPath);
    }
    check.expectEqual(Stem3(layout.inputName), layout.stem3, "Stem3 of " + layout.inputName);
    check.expectEqual(Stem4(layout.flacName), layout.stem4, "Stem4 of " + layout.flacName);

    const std::string workFolder = WorkFolder(base);
    check.expectEqual(workFolder, layout.workFolder, "WorkFolder in " + folder);
    ExpectFullForm(check, workFolder);
    LocalFileOperations files;
    files.MakeFolder(workFolder);
    check.expect(IsFolder(workFolder), "MakeFolder made " + workFolder);
    check.expect(Listed(folder, std::string(WorkFolderName)), "the work folder is listed in " + folder);

    const std::string workWav = WorkWavPath(base, layout.stem3);
    const std::string flacWav = FlacWavPath(base, layout.stem4);
    const std::string output = OutputPath(base, layout.stem3, "mp3");
    check.expectEqual(workWav, layout.workFolder + "\\" + layout.stem3 + "wav", "WorkWavPath in " + folder);
    check.expectEqual(output, layout.workFolder + "\\" + layout.stem3 + "mp3", "OutputPath in " + folder);
    for (const std::string& path : {workWav, flacWav, output}) {
        ExpectFullForm(check, path);
        check.expect(MakeFile(path), "made " + path);
        check.expect(ToolIsPresent(path), "present: " + path);
    }
    std::vector<std::string> expected{layout.stem3 + "mp3", layout.stem3 + "wav", layout.stem4 + "wav"};
    std::sort(expected.begin(), expected.end());
    check.expectEqual(List(workFolder), expected, "the work folder holds exactly the three work files: " + workFolder);

    for (const std::string& path : {workWav, flacWav, output}) {
        files.RemoveFile(path);
        check.expect(!Exists(path), "RemoveFile removed " + path);
    }
    RemoveDirectoryW(Wide(workFolder).c_str());
    for (const std::string& fileName : {layout.inputName, layout.flacName})
        DeleteFileW(Wide(InputPathOf(folder, fileName)).c_str());
}

void CheckLayouts(WindowsCheck& check, const std::string& scratch)
{
    // At a drive root the folder already ends in its separator.
    CheckLayout(check,
                {"C:\\", "C:\\", "曲　テスト.wav", "曲　テスト.", "マルロ 検査.flac", "マルロ 検査.", "C:\\Zorvik"});
    const std::string music = scratch + "\\音楽 フォルダ";
    CreateDirectoryW(Wide(music).c_str(), nullptr);
    CheckLayout(check, {music, music + "\\", "歌 1.WAV", "歌 1.", "ライブ.flac", "ライブ.", music + "\\Zorvik"});
    RemoveDirectoryW(Wide(music).c_str());

    // The long-path form is still a folder path by the same rules.
    const std::string longForm = "\\\\?\\" + scratch;
    CheckLayout(check, {longForm, longForm + "\\", "a b.wav", "a b.", "c.flac", "c.", longForm + "\\Zorvik"});
}

// No server is reachable under wine, so UNC paths are checked as text and by
// the system's own reading of them.
void CheckUnc(WindowsCheck& check)
{
    const std::string share = "\\\\server\\my share";
    check.expectEqual(BaseFolder(share), std::string("\\\\server\\my share\\"), "BaseFolder of a share");
    check.expectEqual(BaseFolder(share + "\\曲"), std::string("\\\\server\\my share\\曲\\"), "BaseFolder on a share");
    const std::string base = BaseFolder(share + "\\曲");
    const std::string input = InputPathOf(share + "\\曲", "歌 1.wav");
    check.expectEqual(InputName(input, base), std::string("歌 1.wav"), "InputName on a share");
    const std::vector<std::string> paths{
        input,
        WorkFolder(base),
        WorkWavPath(base, "歌 1."),
        FlacWavPath(base, "歌 1."),
        OutputPath(base, "歌 1.", "ogg"),
        ToolPath(share + "\\ツール", "lame.exe"),
    };
    check.expectEqual(paths[1], std::string("\\\\server\\my share\\曲\\Zorvik"), "WorkFolder on a share");
    check.expectEqual(paths[5], std::string("\\\\server\\my share\\ツール\\lame.exe"), "ToolPath on a share");
    for (const std::string& path : paths)
        ExpectFullForm(check, path);
    check.expectEqual(ToolIsPresent(paths[5]), Exists(paths[5]), "presence on an unreachable share");
}

void CheckToolPaths(WindowsCheck& check, const std::string& scratch)
{
    check.expectEqual(ToolFolderRoot("C:\\ツール"), std::string("C:\\"), "ToolFolderRoot");
    check.expectEqual(ToolFolderRoot("d:\\x"), std::string("d:\\"), "ToolFolderRoot, lower-case drive");
    check.expectEqual(ToolPath("C:\\", "lame.exe"), std::string("C:\\lame.exe"), "ToolPath at a drive root");
    const std::string tools = scratch + "\\ツール 置き場";
    const std::string lame = ToolPath(tools, "lame.exe");
    check.expectEqual(lame, scratch + "\\ツール 置き場\\lame.exe", "ToolPath");
    ExpectFullForm(check, lame);

    CreateDirectoryW(Wide(tools).c_str(), nullptr);
    MakeFile(lame);
    MakeFile(ToolPath(tools, "oggenc.exe"), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW(Wide(ToolPath(tools, "flac.exe")).c_str(), nullptr);
    MakeFile(ToolPath("C:\\", "ttaenc.exe"));

    // Each row: the path, whether it is there. The witness must agree too.
    struct Row {
        std::string path;
        bool present;
    };
    std::string forward = lame;
    std::replace(forward.begin(), forward.end(), '\\', '/');
    const std::vector<Row> rows{
        {lame, true},
        {ToolPath(tools, "LAME.EXE"), true}, // the file system ignores case
        {forward, true},
        {ToolPath(tools, "oggenc.exe"), true}, // hidden
        {ToolPath(tools, "flac.exe"), true},   // a folder of that name
        {ToolPath(tools, "toolame.exe"), false},
        {ToolPath("C:\\", "ttaenc.exe"), true},
        {ToolPath("C:\\", "aacenc.exe"), false},
        {ToolPath(scratch + "\\無い フォルダ", "lame.exe"), false},
        {std::string(lame).append(1, '\0').append("x"), false},
        {"", false},
    };
    for (const Row& row : rows) {
        const std::string what = WindowsCheck::Shown(row.path);
        check.expectEqual(ToolIsPresent(row.path), row.present, "ToolIsPresent " + what);
        if (row.path.find('\0') == std::string::npos && !row.path.empty())
            check.expectEqual(Exists(row.path), row.present, "the witness agrees on " + what);
    }

    // A converter in use is still there.
    const HANDLE held = CreateFileW(Wide(lame).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    check.expect(ToolIsPresent(lame), "present while held open");
    CloseHandle(held);

    DeleteFileW(Wide(lame).c_str());
    check.expect(!ToolIsPresent(lame), "absent once deleted");
    SetFileAttributesW(Wide(ToolPath(tools, "oggenc.exe")).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(Wide(ToolPath(tools, "oggenc.exe")).c_str());
    RemoveDirectoryW(Wide(ToolPath(tools, "flac.exe")).c_str());
    DeleteFileW(Wide(ToolPath("C:\\", "ttaenc.exe")).c_str());
    RemoveDirectoryW(Wide(tools).c_str());
}

void CheckFileOperations(WindowsCheck& check, const std::string& scratch)
{
    LocalFileOperations files;
    const std::string folder = scratch + "\\作業 フォルダ";
    files.MakeFolder(folder);
    check.expect(IsFolder(folder), "MakeFolder with Japanese and a blank");
    files.MakeFolder(folder);
    check.expect(IsFolder(folder), "MakeFolder again leaves the folder");
    const std::string orphan = scratch + "\\無い\\子";
    files.MakeFolder(orphan);
    check.expect(!Exists(orphan), "MakeFolder under a missing folder makes nothing");

    const std::string file = folder + "\\曲　1.wav";
    MakeFile(file);
    files.RemoveFile(file);
    check.expect(!Exists(file), "RemoveFile removes a Japanese name");
    files.RemoveFile(file);
    check.expect(!Exists(file), "RemoveFile of a missing file is quiet");

    const std::string sub = folder + "\\Zorvik";
    CreateDirectoryW(Wide(sub).c_str(), nullptr);
    files.RemoveFile(sub);
    check.expect(IsFolder(sub), "RemoveFile leaves a folder of that name");
    RemoveDirectoryW(Wide(sub).c_str());

    // Held open without FILE_SHARE_DELETE, as a converter still writing it
    // would: the removal fails quietly and the file stays.
    MakeFile(file);
    const HANDLE held = CreateFileW(Wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    check.expect(held != INVALID_HANDLE_VALUE, "held open: " + file);
    files.RemoveFile(file);
    check.expect(Exists(file), "RemoveFile of a file in use leaves it");
    CloseHandle(held);
    files.RemoveFile(file);
    check.expect(!Exists(file), "RemoveFile once it is free");
    RemoveDirectoryW(Wide(folder).c_str());
}

} // namespace

int wmain()
{
    WindowsCheck check;
    check.expect(NativePathStyle == PathStyle::Windows, "a Windows build uses Windows paths");

    const std::string scratch = "C:\\マルロ 検査 " + std::to_string(GetCurrentProcessId());
    check.expect(CreateDirectoryW(Wide(scratch).c_str(), nullptr) != 0, "made " + scratch);
    CheckLayouts(check, scratch);
    CheckUnc(check);
    CheckToolPaths(check, scratch);
    CheckFileOperations(check, scratch);
    check.expect(RemoveDirectoryW(Wide(scratch).c_str()) != 0, "everything made was removed again: " + scratch);
    return check.finish();
}
