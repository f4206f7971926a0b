#include "platform/win32/win32_locale_mapping.h"

#include <vector>

#include "text/char_checks.h"

namespace zarvik3 {

namespace {

// A blank cannot separate: the date-time texts are split at blanks.
bool IsSeparatorChar(char c) {
    return c > ' ' && c < 0x7F && !IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '\'' &&
           c != '"';
}

// One piece of a pattern: a run of one format letter, or a literal character.
struct PatternItem {
    char letter;
    std::size_t run;  // 0 for a literal
};

// Quoted text and letters without a meaning become literals; "''" is a quote.
std::vector<PatternItem> ParsePattern(std::string_view pattern, std::string_view formatLetters) {
    std::vector<PatternItem> items;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            if (end == i + 1) items.push_back({'\'', 0});
            for (std::size_t j = i + 1; j < end; ++j) items.push_back({pattern[j], 0});
            i = end + 1;
        } else if (formatLetters.find(c) != std::string_view::npos) {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) ++run;
            items.push_back({c, run});
            i += run;
        } else {
            items.push_back({c, 0});
            ++i;
        }
    }
    return items;
}

std::string DateToken(const PatternItem& item) {
    const std::size_t run = item.run > 4 ? 4 : item.run;
    if (item.letter == 'y') return run <= 2 ? "yy" : "yyyy";
    return std::string(run, item.letter);
}

// Letters would read as tokens, quotes as quoted text, "/" as the date separator.
std::string DateLiteral(char c, char dateSeparator) {
    if (c == '\'') return "\"'\"";
    if (c == '"' || IsAsciiLetter(c) || (c == '/' && dateSeparator != '/')) {
        return std::string("'") + c + "'";
    }
    return std::string(1, c);
}

// The era has no place in the date texts; the blanks beside it go with it.
std::vector<PatternItem> WithoutEra(std::vector<PatternItem> items) {
    std::vector<PatternItem> kept;
    bool afterEra = false;
    for (const PatternItem& item : items) {
        if (item.run > 0 && item.letter == 'g') {
            while (!kept.empty() && kept.back().run == 0 && kept.back().letter == ' ') {
                kept.pop_back();
            }
            afterEra = true;
        } else if (!(afterEra && item.run == 0 && item.letter == ' ')) {
            kept.push_back(item);
            afterEra = false;
        }
    }
    return kept;
}

// Bidirectional marks are invisible, and the date texts could not be read back past them.
std::string WithoutDirectionMarks(std::string_view pattern) {
    std::string kept(pattern);
    for (std::string_view mark : {"\u200E", "\u200F", "\u061C"}) {
        for (auto at = kept.find(mark); at != std::string::npos; at = kept.find(mark, at)) {
            kept.erase(at, mark.size());
        }
    }
    return kept;
}

// Text after the date ("dd.MM.yyyy 'g.'") would be read as the time; a closing separator
// ("yyyy. MM. dd.") is read with the date.
std::vector<PatternItem> WithoutTrailingText(std::vector<PatternItem> items) {
    std::size_t end = items.size();
    while (end > 0 && items[end - 1].run == 0) --end;
    if (end > 0 && end < items.size() && IsSeparatorChar(items[end].letter)) ++end;
    items.resize(end);
    return items;
}

std::vector<PatternItem> DateItems(std::string_view pattern) {
    return WithoutTrailingText(WithoutEra(ParsePattern(WithoutDirectionMarks(pattern), "dMyg")));
}

std::optional<char> FirstSeparator(const std::vector<PatternItem>& items, std::size_t from) {
    for (std::size_t i = from; i < items.size() && items[i].run == 0; ++i) {
        if (IsSeparatorChar(items[i].letter)) return items[i].letter;
    }
    return std::nullopt;
}

std::optional<char> SingleSeparator(const std::string& text) {
    if (text.size() == 1 && IsSeparatorChar(text.front())) return text.front();
    return std::nullopt;
}

char DateSeparatorOf(const std::vector<PatternItem>& items, const std::string& fallback,
                     char current) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].run == 0) continue;
        if (const auto separator = FirstSeparator(items, i + 1)) return *separator;
    }
    return SingleSeparator(fallback).value_or(current);
}

void MapDate(const Win32LocaleTexts& texts, LocaleDateSettings& settings) {
    const auto items = DateItems(texts.shortDate);
    settings.dateSeparator = DateSeparatorOf(items, texts.dateSeparator, settings.dateSeparator);
    if (const auto pattern = ShortDatePatternOfWin32(texts.shortDate)) {
        settings.shortDatePattern = *pattern;
    }
}

void MapTime(const Win32LocaleTexts& texts, LocaleDateSettings& settings) {
    const auto items = ParsePattern(texts.timeFormat, "hHmst");
    std::size_t hour = 0;
    while (hour < items.size() &&
           !(items[hour].run > 0 && (items[hour].letter == 'h' || items[hour].letter == 'H'))) {
        ++hour;
    }
    if (hour < items.size()) {
        settings.clock24 = items[hour].letter == 'H';
        settings.hourLeadingZero = items[hour].run >= 2;
        for (std::size_t i = 0; i < hour; ++i) {
            if (items[i].run > 0 && items[i].letter == 't') settings.markerBeforeTime = true;
        }
    }
    const auto separator = hour < items.size() ? FirstSeparator(items, hour + 1) : std::nullopt;
    settings.timeSeparator =
        separator.value_or(SingleSeparator(texts.timeSeparator).value_or(settings.timeSeparator));
}

}  // namespace

std::optional<std::string> ShortDatePatternOfWin32(std::string_view pattern) {
    const auto items = DateItems(pattern);
    const char separator = DateSeparatorOf(items, "", '/');
    std::string result;
    bool holdsDate = false;
    for (const PatternItem& item : items) {
        if (item.run == 0) {
            result += DateLiteral(item.letter, separator);
            continue;
        }
        AppendPatternToken(result, DateToken(item));
        holdsDate = true;
    }
    if (!holdsDate) return std::nullopt;
    return result;
}

LocaleDateSettings MapWin32LocaleTexts(const Win32LocaleTexts& texts) {
    LocaleDateSettings settings;
    MapDate(texts, settings);
    MapTime(texts, settings);
    MapLocaleNameTexts(texts, settings);
    return settings;
}

}  // namespace zarvik3
