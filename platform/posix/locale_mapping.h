#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/locale_name_texts.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// The C library's locale items (nl_langinfo) that the date settings come from; the names
// hold AM_STR, PM_STR, RADIXCHAR and the month and day names.
struct LocaleTexts : LocaleNameTexts {
    std::string dateFormat;            // D_FMT
    std::string timeFormat;            // T_FMT
    std::string twelveHourTimeFormat;  // T_FMT_AMPM
};

// Empty items and items that do not map keep the fallbacks of LocaleDateSettings.
LocaleDateSettings MapLocaleTexts(const LocaleTexts& texts);

// D_FMT as a short date pattern ("%d.%m.%Y" -> "dd.MM.yyyy"); empty when a conversion has
// no counterpart.
std::optional<std::string> ShortDatePatternOf(std::string_view dateFormat);

}  // namespace zarvik3
