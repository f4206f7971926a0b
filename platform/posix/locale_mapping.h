#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/locale_date_settings.h"

namespace zarvik3 {

// The C library's locale items (nl_langinfo) that the date settings come from.
struct LocaleTexts {
    std::string dateFormat;            // D_FMT
    std::string timeFormat;            // T_FMT
    std::string twelveHourTimeFormat;  // T_FMT_AMPM
    std::string amText;                // AM_STR
    std::string pmText;                // PM_STR
    std::string radix;                 // RADIXCHAR
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::array<std::string, 7> longDayNames;
};

// Empty items and items that do not map keep the fallbacks of LocaleDateSettings.
LocaleDateSettings MapLocaleTexts(const LocaleTexts& texts);

// D_FMT as a short date pattern ("%d.%m.%Y" -> "dd.MM.yyyy"); empty when a conversion has
// no counterpart.
std::optional<std::string> ShortDatePatternOf(std::string_view dateFormat);

}  // namespace zarvik3
