#pragma once

#include <array>
#include <string>

#include "text/locale_date_settings.h"

namespace zarvik3 {

// The locale items every system gives in the same form, as UTF-8.
struct LocaleNameTexts {
    std::string amText;
    std::string pmText;
    std::string decimal;
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::array<std::string, 7> longDayNames;
};

// Takes the items given over the fallbacks in settings; settings.clock24 must already hold
// the locale's clock, which decides whether empty marker texts are kept.
void MapLocaleNameTexts(const LocaleNameTexts& texts, LocaleDateSettings& settings);

// Two tokens of the same letter in the same case would run together into one, so a token
// that would follow its own letter is appended in the other case.
void AppendPatternToken(std::string& pattern, std::string token);

}  // namespace zarvik3
