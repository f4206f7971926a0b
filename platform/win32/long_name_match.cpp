#include "platform/win32/long_name_match.h"

#include "platform/win32/windows_api.h"

namespace zarvik3 {
namespace {

bool SameLetter(wchar_t a, wchar_t b) {
    return a == b || CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

bool Match(std::wstring_view pattern, std::wstring_view name, bool lastRunWithoutDot) {
    if (pattern.empty()) return name.empty();
    const wchar_t c = pattern.front();
    const std::wstring_view rest = pattern.substr(1);
    if (c == L'*') {
        const bool noDot = lastRunWithoutDot && rest.empty();
        for (std::size_t taken = 0; taken <= name.size(); ++taken) {
            if (Match(rest, name.substr(taken), lastRunWithoutDot)) return true;
            if (taken < name.size() && noDot && name[taken] == L'.') return false;
        }
        return false;
    }
    if (c == L'?') {
        if ((name.empty() || name.front() == L'.') && Match(rest, name, lastRunWithoutDot)) {
            return true;
        }
        return !name.empty() && Match(rest, name.substr(1), lastRunWithoutDot);
    }
    if (c == L'.' && !rest.empty() && (rest.front() == L'*' || rest.front() == L'?') &&
        name.empty()) {
        return Match(rest, name, lastRunWithoutDot);
    }
    return !name.empty() && SameLetter(c, name.front()) &&
           Match(rest, name.substr(1), lastRunWithoutDot);
}

}  // namespace

bool LongNameMatches(std::wstring_view pattern, std::wstring_view name) {
    const bool endedInDot = !pattern.empty() && pattern.back() == L'.';
    while (!pattern.empty() && (pattern.back() == L'.' || pattern.back() == L' ')) {
        pattern.remove_suffix(1);
    }
    if (pattern == L"*" && !endedInDot) return true;
    if (pattern == L"*.*") return true;
    return Match(pattern, name, endedInDot && pattern.ends_with(L'*'));
}

}  // namespace zarvik3
