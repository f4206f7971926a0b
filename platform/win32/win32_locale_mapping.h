#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/locale_name_texts.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// The system's locale items (GetLocaleInfoEx) that the date settings come from, as UTF-8;
// the names hold LOCALE_S1159, LOCALE_S2359, LOCALE_SDECIMAL and the month and day names.
struct Win32LocaleTexts : LocaleNameTexts {
    std::string shortDate;      // LOCALE_SSHORTDATE, "dd.MM.yyyy"
    std::string dateSeparator;  // LOCALE_SDATE, when the pattern shows none
    std::string timeFormat;     // LOCALE_STIMEFORMAT, "h:mm:ss tt"
    std::string timeSeparator;  // LOCALE_STIME, when the time format shows none
};

// Empty items and items that do not map keep the fallbacks of LocaleDateSettings.
LocaleDateSettings MapWin32LocaleTexts(const Win32LocaleTexts& texts);

// A short date pattern in the form the date texts are laid out from; empty when it holds
// nothing of a date.
std::optional<std::string> ShortDatePatternOfWin32(std::string_view pattern);

}  // namespace zarvik3
