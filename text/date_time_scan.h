#pragma once

#include <optional>
#include <string_view>

#include "text/date_time.h"
#include "text/locale_date_settings.h"
#include "text/text_scanner.h"

namespace zarvik3 {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// Decided by the first d, m or y of the pattern outside quoted text.
DateOrder DateOrderOf(std::string_view shortDatePattern);

struct ScannedDate {
    int year;
    int month;
    int day;
};

struct ScannedTime {
    int hour;
    int minute;
    int second;
    int millisecond;
};

// Two or three numbers joined by the date separator, forming a valid date.
std::optional<ScannedDate> ScanDate(TextScanner& scanner, const LocaleDateSettings& locale,
                                    int currentYear);

// A time with its optional AM/PM marker, and nothing but blanks after it.
std::optional<ScannedTime> ScanTimeToEnd(TextScanner& scanner, const LocaleDateSettings& locale);

}  // namespace zarvik3
