#include <string>

#include "text/char_checks.h"
#include "text/date_time_text.h"

namespace zarvik3 {

namespace {

// The pattern used when the locale gave none, so that a date is never written as nothing.
constexpr const char* kFallbackPattern = "m/d/yy";

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct DateFields {
    DateTimeParts parts;
    int weekday;  // 1 is Sunday
};

std::string DayToken(std::size_t run, const DateFields& date, const LocaleDateSettings& locale) {
    if (run == 1) return std::to_string(date.parts.day);
    if (run == 2) return Padded(date.parts.day, 2);
    const auto& names = run == 3 ? locale.shortDayNames : locale.longDayNames;
    return names[static_cast<std::size_t>(date.weekday - 1)];
}

std::string MonthToken(std::size_t run, const DateFields& date, const LocaleDateSettings& locale) {
    if (run == 1) return std::to_string(date.parts.month);
    if (run == 2) return Padded(date.parts.month, 2);
    const auto& names = run == 3 ? locale.shortMonthNames : locale.longMonthNames;
    return names[static_cast<std::size_t>(date.parts.month - 1)];
}

std::string LetterToken(char letter, std::size_t run, const DateFields& date,
                        const LocaleDateSettings& locale) {
    switch (LowerAscii(letter)) {
        case 'd':
            return DayToken(run, date, locale);
        case 'm':
            return MonthToken(run, date, locale);
        case 'y':
            return run <= 2 ? Padded(date.parts.year % 100, 2) : Padded(date.parts.year, 4);
        default:
            // Letters the calendar has no use for are written as they stand.
            return std::string(run, letter);
    }
}

std::string FormatDatePart(const DateFields& date, const LocaleDateSettings& locale) {
    const std::string& pattern =
        locale.shortDatePattern.empty() ? kFallbackPattern : locale.shortDatePattern;
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string::npos ? pattern.size() : close;
            out.append(pattern, i + 1, end - i - 1);
            i = end + 1;
        } else if (IsAsciiLetter(c)) {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) ++run;
            out += LetterToken(c, run, date, locale);
            i += run;
        } else {
            out += c == '/' ? locale.dateSeparator : c;
            ++i;
        }
    }
    return out;
}

// An empty marker text would make an afternoon time read back as the morning one.
std::string MarkerText(int hour, const LocaleDateSettings& locale) {
    const std::string& text = hour < 12 ? locale.amText : locale.pmText;
    if (!text.empty()) return text;
    return hour < 12 ? "AM" : "PM";
}

std::string FormatTimePart(const DateTimeParts& parts, const LocaleDateSettings& locale) {
    int hour = parts.hour;
    if (!locale.clock24) hour = hour % 12 == 0 ? 12 : hour % 12;
    std::string time = locale.hourLeadingZero ? Padded(hour, 2) : std::to_string(hour);
    time += locale.timeSeparator + Padded(parts.minute, 2);
    time += locale.timeSeparator + Padded(parts.second, 2);
    if (locale.clock24) return time;
    const std::string marker = MarkerText(parts.hour, locale);
    return locale.markerBeforeTime ? marker + ' ' + time : time + ' ' + marker;
}

}  // namespace

std::string FormatDateTimeText(TDateTime value, const LocaleDateSettings& locale) {
    const DateFields date{DecodeDateTime(value), DayOfWeek(value)};
    std::string text = FormatDatePart(date, locale);
    const DateTimeParts& p = date.parts;
    if (p.hour != 0 || p.minute != 0 || p.second != 0) text += ' ' + FormatTimePart(p, locale);
    return text;
}

}  // namespace zarvik3
