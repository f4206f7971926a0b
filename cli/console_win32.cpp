#include <io.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>

#include "cli/console.h"
#include "platform/win32/wide_text.h"

namespace zarvik3::cli {

// argv holds the names in the ANSI code page, which cannot spell every name.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(Narrow(wide[i]));
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

std::optional<std::string> AbsolutePath(const std::string& typed) {
    const std::wstring path = Widen(typed);
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
    return Narrow(full);
}

}  // namespace zarvik3::cli
