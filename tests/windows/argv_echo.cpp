// Stands in for a converter in the Windows checks: writes what it was handed
// to the file named by MARULO_ARGV_FILE, as UTF-8, each entry ending in a NUL
// (no argument can hold one). First the raw command line as the system passed
// it, then argv as the C runtime split it: that split is what a real
// converter works with.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

std::string Narrow(const wchar_t* text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string narrow(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

void Write(std::FILE* file, const wchar_t* text)
{
    const std::string narrow = Narrow(text);
    std::fwrite(narrow.data(), 1, narrow.size() + 1, file); // with its NUL
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const wchar_t* target = _wgetenv(L"MARULO_ARGV_FILE");
    if (target == nullptr)
        return 2;
    std::FILE* file = _wfopen(target, L"wb");
    if (file == nullptr)
        return 3;
    Write(file, GetCommandLineW());
    for (int i = 0; i < argc; ++i)
        Write(file, argv[i]);
    return std::fclose(file) == 0 ? 0 : 4;
}
