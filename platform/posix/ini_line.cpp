#include "platform/posix/ini_line.h"

#include <cstddef>

namespace zarvik3 {

namespace {

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsProfileBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsProfileBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::optional<std::string_view> SectionHeaderName(std::string_view line) {
    const std::string_view trimmed = TrimProfileBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimProfileBlanks(trimmed.substr(1, close - 1));
}

std::optional<ProfileKeyLine> SplitKeyLine(std::string_view line) {
    if (SectionHeaderName(line)) return std::nullopt;
    const std::string_view trimmed = TrimProfileBlanks(line);
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return ProfileKeyLine{TrimProfileBlanks(trimmed.substr(0, equals)),
                          TrimProfileBlanks(trimmed.substr(equals + 1))};
}

bool SameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace zarvik3
