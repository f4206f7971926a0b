#include <windows.h>
// After windows.h, which it relies on.
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "cli/console.h"

namespace zarvik3::cli {
namespace {

std::string Utf8(std::wstring_view wide) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring Utf16(std::string_view text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

// argv holds the names in the ANSI code page, which cannot spell every name.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return args;
}

// Lines are written in UTF-8; the console shows them so only when told.
void UseUtf8Output() {
    SetConsoleOutputCP(CP_UTF8);
}

bool OutputIsTerminal() {
    return _isatty(_fileno(stdout)) != 0;
}

// The progress line erases with an escape sequence, which a console takes only once asked to.
bool ErrorIsTerminal() {
    if (_isatty(_fileno(stderr)) == 0) return false;
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) &&
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

std::optional<std::string> AbsolutePath(const std::string& typed) {
    const std::wstring path = Utf16(typed);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                      nullptr)) >= full.size()) {
        full.resize(length);
    }
    if (length == 0) return std::nullopt;
    full.resize(length);
    // "C:\" keeps its backslash; "C:\Data\" loses it.
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    return Utf8(full);
}

}  // namespace zarvik3::cli
