#include "platform/locale_name_texts.h"

namespace zarvik3 {

namespace {

// A 24-hour locale may give no marker texts; a 12-hour clock cannot do without them.
void MapMarkerText(const std::string& text, bool clock24, std::string& setting) {
    if (!text.empty() || clock24) setting = text;
}

template <std::size_t N>
void MapNames(const std::array<std::string, N>& names, std::array<std::string, N>& setting) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!names[i].empty()) setting[i] = names[i];
    }
}

}  // namespace

void MapLocaleNameTexts(const LocaleNameTexts& texts, LocaleDateSettings& settings) {
    MapMarkerText(texts.amText, settings.clock24, settings.amText);
    MapMarkerText(texts.pmText, settings.clock24, settings.pmText);
    if (texts.decimal.size() == 1) settings.decimalSeparator = texts.decimal.front();
    MapNames(texts.shortMonthNames, settings.shortMonthNames);
    MapNames(texts.longMonthNames, settings.longMonthNames);
    MapNames(texts.shortDayNames, settings.shortDayNames);
    MapNames(texts.longDayNames, settings.longDayNames);
}

void AppendPatternToken(std::string& pattern, std::string token) {
    if (!pattern.empty() && pattern.back() == token.front()) {
        for (char& c : token) c = static_cast<char>(c ^ 0x20);
    }
    pattern += token;
}

}  // namespace zarvik3
