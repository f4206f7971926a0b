#include "platform/posix/locale_mapping.h"

#include <vector>

#include "platform/posix/strftime_format.h"
#include "text/char_checks.h"

namespace zarvik3 {

namespace {

constexpr std::string_view kDefaultTwelveHourTime = "%I:%M:%S %p";

// A blank cannot separate: the date-time texts are split at blanks.
bool IsSeparatorChar(char c) {
    return c > ' ' && c < 0x7F && !IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '%';
}

std::string DateToken(const FormatItem& item) {
    const bool unpadded = item.flag == '-';
    switch (item.letter) {
        case 'd':
            return unpadded ? "d" : "dd";
        case 'e':
            return "d";
        case 'm':
            return unpadded ? "M" : "MM";
        case 'Y':
            return "yyyy";
        case 'y':
            return "yy";
        case 'b':
        case 'h':
            return "MMM";
        case 'B':
            return "MMMM";
        case 'a':
            return "ddd";
        case 'A':
            return "dddd";
        default:
            return {};
    }
}

// Letters would read as tokens, and quotes as the start of quoted text.
std::string DateLiteral(char c) {
    if (c == '\'') return "\"'\"";
    if (c == '"' || IsAsciiLetter(c)) return std::string("'") + c + "'";
    return std::string(1, c);
}

std::vector<FormatItem> ParsedOrEmpty(std::string_view format) {
    return ParseFormat(format).value_or(std::vector<FormatItem>{});
}

bool IsHour(const FormatItem& item) {
    return item.conversion &&
           (item.letter == 'H' || item.letter == 'k' || item.letter == 'I' || item.letter == 'l');
}

bool IsTwelveHour(const FormatItem& item) {
    return item.conversion && (item.letter == 'I' || item.letter == 'l');
}

bool IsMarker(const FormatItem& item) {
    return item.conversion && (item.letter == 'p' || item.letter == 'P');
}

void MapDate(std::string_view dateFormat, LocaleDateSettings& settings) {
    const auto pattern = ShortDatePatternOf(dateFormat);
    if (!pattern) return;
    settings.shortDatePattern = *pattern;
    for (const FormatItem& item : ExpandComposites(ParsedOrEmpty(dateFormat), {})) {
        if (!item.conversion && IsSeparatorChar(item.letter)) {
            settings.dateSeparator = item.letter;
            return;
        }
    }
}

void MapTimeSeparator(const std::vector<FormatItem>& items, std::size_t hour,
                      LocaleDateSettings& settings) {
    for (std::size_t i = hour + 1; i < items.size() && !items[i].conversion; ++i) {
        if (IsSeparatorChar(items[i].letter)) {
            settings.timeSeparator = items[i].letter;
            return;
        }
    }
}

void MapClock(const std::vector<FormatItem>& items, LocaleDateSettings& settings) {
    std::size_t hour = 0;
    while (hour < items.size() && !IsHour(items[hour])) ++hour;
    if (hour == items.size()) return;
    bool twelveHour = false;
    for (const FormatItem& item : items) twelveHour = twelveHour || IsTwelveHour(item);
    const FormatItem& first = items[hour];
    const bool padded = first.letter == 'H' || first.letter == 'I';
    settings.clock24 = !twelveHour;
    settings.hourLeadingZero = padded ? first.flag != '-' && first.flag != '_' : first.flag == '0';
    MapTimeSeparator(items, hour, settings);
}

void MapMarkerPosition(const std::vector<FormatItem>& items, LocaleDateSettings& settings) {
    for (const FormatItem& item : items) {
        if (IsHour(item)) return;
        if (IsMarker(item)) {
            settings.markerBeforeTime = true;
            return;
        }
    }
}

void MapTime(const LocaleTexts& texts, LocaleDateSettings& settings) {
    const std::string_view twelveHourFormat = texts.twelveHourTimeFormat.empty()
                                                  ? kDefaultTwelveHourTime
                                                  : std::string_view(texts.twelveHourTimeFormat);
    const auto twelveHour = ExpandComposites(ParsedOrEmpty(twelveHourFormat), {});
    MapClock(ExpandComposites(ParsedOrEmpty(texts.timeFormat), twelveHour), settings);
    MapMarkerPosition(twelveHour, settings);
}

}  // namespace

std::optional<std::string> ShortDatePatternOf(std::string_view dateFormat) {
    const auto items = ParseFormat(dateFormat);
    if (!items || items->empty()) return std::nullopt;
    std::string pattern;
    for (const FormatItem& item : ExpandComposites(*items, {})) {
        if (!item.conversion) {
            pattern += DateLiteral(item.letter);
            continue;
        }
        std::string token = DateToken(item);
        if (token.empty()) return std::nullopt;
        AppendPatternToken(pattern, std::move(token));
    }
    return pattern;
}

LocaleDateSettings MapLocaleTexts(const LocaleTexts& texts) {
    LocaleDateSettings settings;
    MapDate(texts.dateFormat, settings);
    MapTime(texts, settings);
    MapLocaleNameTexts(texts, settings);
    return settings;
}

}  // namespace zarvik3
