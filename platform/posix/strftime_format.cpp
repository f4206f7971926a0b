#include "platform/posix/strftime_format.h"

#include <string>

namespace zarvik3 {

namespace {

bool IsFlag(char c) {
    return c == '-' || c == '_' || c == '0' || c == '^' || c == '#';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<FormatItem> Conversions(std::string_view letters, char separator) {
    std::vector<FormatItem> items;
    for (const char letter : letters) {
        if (!items.empty()) items.push_back({false, separator, 0});
        items.push_back({true, letter, 0});
    }
    return items;
}

std::vector<FormatItem> CompositeParts(char letter, const std::vector<FormatItem>& twelveHourTime) {
    switch (letter) {
        case 'D':
            return Conversions("mdy", '/');
        case 'F':
            return Conversions("Ymd", '-');
        case 'T':
            return Conversions("HMS", ':');
        case 'R':
            return Conversions("HM", ':');
        case 'r':
            return twelveHourTime;
        default:
            return {};
    }
}

}  // namespace

std::optional<std::vector<FormatItem>> ParseFormat(std::string_view format) {
    std::vector<FormatItem> items;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            items.push_back({false, format[i], 0});
            continue;
        }
        FormatItem item{true, 0, 0};
        if (++i < format.size() && IsFlag(format[i])) item.flag = format[i++];
        while (i < format.size() && IsDigit(format[i])) ++i;
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
        if (i >= format.size()) return std::nullopt;
        item.letter = format[i];
        items.push_back(item.letter == '%' ? FormatItem{false, '%', 0} : item);
    }
    return items;
}

std::vector<FormatItem> ExpandComposites(const std::vector<FormatItem>& items,
                                         const std::vector<FormatItem>& twelveHourTime) {
    std::vector<FormatItem> expanded;
    for (const FormatItem& item : items) {
        const std::vector<FormatItem> parts = item.conversion
                                                  ? CompositeParts(item.letter, twelveHourTime)
                                                  : std::vector<FormatItem>{};
        if (parts.empty()) {
            expanded.push_back(item);
        } else {
            expanded.insert(expanded.end(), parts.begin(), parts.end());
        }
    }
    return expanded;
}

}  // namespace zarvik3
