#include "text/date_time_scan.h"
#include "text/date_time_text.h"

namespace zarvik3 {

namespace {

TDateTime Compose(const ScannedDate& date, const ScannedTime& time) {
    DateTimeParts parts;
    parts.year = date.year;
    parts.month = date.month;
    parts.day = date.day;
    parts.hour = time.hour;
    parts.minute = time.minute;
    parts.second = time.second;
    parts.millisecond = time.millisecond;
    return EncodeDateTime(parts);
}

// The zero date stands in for a text that holds a time alone.
constexpr ScannedDate kZeroDate{1899, 12, 30};
constexpr ScannedTime kMidnight{0, 0, 0, 0};

std::optional<TDateTime> ReadDateAndTime(const std::string& text, const LocaleDateSettings& locale,
                                         int currentYear) {
    TextScanner scanner(text);
    const auto date = ScanDate(scanner, locale, currentYear);
    if (!date) return std::nullopt;
    if (scanner.AtEnd()) return Compose(*date, kMidnight);
    const auto time = ScanTimeToEnd(scanner, locale);
    if (!time) return std::nullopt;
    return Compose(*date, *time);
}

std::optional<TDateTime> ReadTimeAlone(const std::string& text, const LocaleDateSettings& locale) {
    TextScanner scanner(text);
    const auto time = ScanTimeToEnd(scanner, locale);
    if (!time) return std::nullopt;
    return Compose(kZeroDate, *time);
}

}  // namespace

TDateTime ParseDateTimeText(const std::string& text, const LocaleDateSettings& locale,
                            int currentYear) {
    if (const auto value = ReadDateAndTime(text, locale, currentYear)) return *value;
    if (const auto value = ReadTimeAlone(text, locale)) return *value;
    throw EConvertError("'" + text + "' is not a valid date and time");
}

}  // namespace zarvik3
