#include "ui/qt/date_display_format.h"

#include <cctype>
#include <cstddef>

namespace zarvik3 {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::size_t RunLength(const std::string& pattern, std::size_t at) {
    std::size_t end = at;
    while (end < pattern.size() && Lower(pattern[end]) == Lower(pattern[at])) ++end;
    return end - at;
}

// Qt reads letters as fields, so every literal goes inside single quotes.
std::string Literal(const std::string& text) {
    if (text.empty()) return {};
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

std::string Field(char kind, std::size_t count) {
    switch (kind) {
        case 'd':
            return std::string(count > 4 ? 4 : count, 'd');
        case 'm':
            return std::string(count > 4 ? 4 : count, 'M');
        default:
            return count <= 2 ? "yy" : "yyyy";
    }
}

}  // namespace

std::string QtShortDateFormat(const LocaleDateSettings& locale) {
    const std::string& pattern = locale.shortDatePattern;
    std::string format;
    std::string literal;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const char c = pattern[at];
        const char kind = Lower(c);
        if (kind == 'd' || kind == 'm' || kind == 'y') {
            const std::size_t count = RunLength(pattern, at);
            format += Literal(literal) + Field(kind, count);
            literal.clear();
            at += count;
        } else if (c == '\'' || c == '"') {
            const std::size_t close = pattern.find(c, at + 1);
            const std::size_t end = close == std::string::npos ? pattern.size() : close;
            literal += pattern.substr(at + 1, end - at - 1);
            at = end + 1;
        } else {
            literal += c == '/' ? locale.dateSeparator : c;
            ++at;
        }
    }
    return format + Literal(literal);
}

}  // namespace zarvik3
