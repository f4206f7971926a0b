#include <array>

#include "text/date_time_scan.h"

namespace zarvik3 {

namespace {

// A year of one or two digits lands in the hundred years from currentYear - 50 on.
// A current year outside the calendar places no year at all.
int WindowedYear(int year, int currentYear) {
    if (currentYear < 1 || currentYear > 9999) return 0;
    const int windowStart = currentYear - 50;
    const int century = windowStart - ((windowStart % 100) + 100) % 100;
    const int placed = century + year;
    return placed < windowStart ? placed + 100 : placed;
}

std::optional<ScannedDate> Arrange(const std::array<ScannedNumber, 3>& n, int count,
                                   DateOrder order, int currentYear) {
    ScannedDate date{};
    ScannedNumber year{currentYear, 4};
    if (order == DateOrder::DayMonthYear) {
        date = {0, n[1].value, n[0].value};
        if (count == 3) year = n[2];
    } else if (order == DateOrder::MonthDayYear || count == 2) {
        date = {0, n[0].value, n[1].value};
        if (count == 3) year = n[2];
    } else {
        date = {0, n[1].value, n[2].value};
        year = n[0];
    }
    date.year = year.digits <= 2 ? WindowedYear(year.value, currentYear) : year.value;
    if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

}  // namespace

DateOrder DateOrderOf(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            i = pattern.find(c, i + 1);
            if (i == std::string_view::npos) break;
        } else if (c == 'd' || c == 'D') {
            return DateOrder::DayMonthYear;
        } else if (c == 'y' || c == 'Y') {
            return DateOrder::YearMonthDay;
        } else if (c == 'm' || c == 'M') {
            return DateOrder::MonthDayYear;
        }
    }
    return DateOrder::MonthDayYear;
}

std::optional<ScannedDate> ScanDate(TextScanner& scanner, const LocaleDateSettings& locale,
                                    int currentYear) {
    std::array<ScannedNumber, 3> numbers{};
    int count = 0;
    while (count < 3) {
        if (count > 0 && !scanner.TakeChar(locale.dateSeparator)) break;
        const auto number = scanner.TakeNumber();
        if (!number) return std::nullopt;
        numbers[static_cast<std::size_t>(count++)] = *number;
    }
    // Some locales close a whole date with its separator, as in "2026. 01. 31.".
    if (count == 3) scanner.TakeChar(locale.dateSeparator);
    if (count < 2) return std::nullopt;
    return Arrange(numbers, count, DateOrderOf(locale.shortDatePattern), currentYear);
}

}  // namespace zarvik3
