// The date-time text parser: formatted values read back, accepted texts read back the same
// after formatting, and texts that break the grammar or the calendar are refused.
//
// Input: a byte choosing the locale, two bytes for the current year, eight bytes for a
// value to build texts from, then a text to parse as it stands.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "support/locale_fixtures.h"
#include "text/date_time_text.h"

namespace {

using zarvik3::DateTimeParts;
using zarvik3::EConvertError;
using zarvik3::LocaleDateSettings;
using zarvik3::TDateTime;
using zarvik3::fuzz::Require;

constexpr std::size_t kHeaderBytes = 11;
constexpr std::size_t kMaxText = 64;

LocaleDateSettings LocaleFor(std::uint8_t choice) {
    switch (choice % 5) {
        case 0:
            return zarvik3::test::EnUs();
        case 1:
            return zarvik3::test::DeDe();
        case 2:
            return zarvik3::test::EnGb();
        case 3: {
            LocaleDateSettings marker = zarvik3::test::EnUs();
            marker.markerBeforeTime = true;
            marker.hourLeadingZero = true;
            return marker;
        }
        default:
            return LocaleDateSettings{};
    }
}

std::optional<TDateTime> Parse(const std::string& text, const LocaleDateSettings& locale,
                               int currentYear) {
    try {
        return zarvik3::ParseDateTimeText(text, locale, currentYear);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

int DaysIn(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool SameToTheSecond(TDateTime a, TDateTime b) {
    const DateTimeParts x = zarvik3::DecodeDateTime(a);
    const DateTimeParts y = zarvik3::DecodeDateTime(b);
    return x.year == y.year && x.month == y.month && x.day == y.day && x.hour == y.hour &&
           x.minute == y.minute && x.second == y.second;
}

bool FourDigitYears(const LocaleDateSettings& locale) {
    return locale.shortDatePattern.find("yyyy") != std::string::npos;
}

// Two-digit years read back only inside the hundred years around the current year.
bool YearReadsBack(int year, const LocaleDateSettings& locale, int currentYear) {
    return FourDigitYears(locale) || (year >= currentYear - 50 && year < currentYear + 50);
}

// The parts a value seed stands for; always a real date and time.
DateTimeParts PartsFrom(std::uint64_t seed) {
    DateTimeParts p;
    p.year = 1 + static_cast<int>(seed % 9999);
    seed /= 9999;
    p.month = 1 + static_cast<int>(seed % 12);
    seed /= 12;
    p.day = 1 + static_cast<int>(seed % static_cast<std::uint64_t>(DaysIn(p.year, p.month)));
    seed /= 31;
    p.hour = static_cast<int>(seed % 24);
    seed /= 24;
    p.minute = static_cast<int>(seed % 60);
    seed /= 60;
    p.second = static_cast<int>(seed % 60);
    return p;
}

// Texts written here from the locale's items, not by the formatter, so that parts can be
// put out of range.
std::string DateText(const DateTimeParts& p, const LocaleDateSettings& locale) {
    const std::string d = std::to_string(p.day), m = std::to_string(p.month);
    std::string y = std::to_string(p.year);
    // Four digits, so the year is read as written and not placed around the current one.
    y.insert(0, 4 - std::min<std::size_t>(4, y.size()), '0');
    const char s = locale.dateSeparator;
    const char first =
        locale.shortDatePattern.find_first_of("dmyDMY") == std::string::npos
            ? 'm'
            : locale.shortDatePattern[locale.shortDatePattern.find_first_of("dmyDMY")];
    if (first == 'd' || first == 'D') return d + s + m + s + y;
    if (first == 'y' || first == 'Y') return y + s + m + s + d;
    return m + s + d + s + y;
}

std::string TimeText(const DateTimeParts& p, const LocaleDateSettings& locale, int shownHour) {
    const char s = locale.timeSeparator;
    std::string time =
        std::to_string(shownHour) + s + std::to_string(p.minute) + s + std::to_string(p.second);
    if (locale.clock24) return time;
    std::string marker = p.hour < 12 ? locale.amText : locale.pmText;
    if (marker.empty()) marker = p.hour < 12 ? "AM" : "PM";
    return locale.markerBeforeTime ? marker + ' ' + time : time + ' ' + marker;
}

int ClockHour(int hour, const LocaleDateSettings& locale) {
    if (locale.clock24) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
}

void CheckRefused(const std::string& text, const LocaleDateSettings& locale, int currentYear,
                  const char* what) {
    Require(!Parse(text, locale, currentYear), what);
}

void CheckBuiltTexts(const DateTimeParts& p, const LocaleDateSettings& locale, int currentYear) {
    const int shown = ClockHour(p.hour, locale);
    const std::string good = DateText(p, locale) + ' ' + TimeText(p, locale, shown);
    Require(Parse(good, locale, currentYear) == zarvik3::EncodeDateTime(p), "a built text reads");

    DateTimeParts bad = p;
    bad.month = 13;
    CheckRefused(DateText(bad, locale), locale, currentYear, "month 13 is refused");
    bad.month = 0;
    CheckRefused(DateText(bad, locale), locale, currentYear, "month 0 is refused");
    bad = p;
    bad.day = DaysIn(p.year, p.month) + 1;
    CheckRefused(DateText(bad, locale), locale, currentYear, "a day past the month is refused");
    bad.day = 0;
    CheckRefused(DateText(bad, locale), locale, currentYear, "day 0 is refused");
    const std::string date = DateText(p, locale) + ' ';
    bad = p;
    bad.minute = 60;
    CheckRefused(date + TimeText(bad, locale, shown), locale, currentYear, "minute 60 is refused");
    bad = p;
    bad.second = 60;
    CheckRefused(date + TimeText(bad, locale, shown), locale, currentYear, "second 60 is refused");
    const int beyond = locale.clock24 ? 24 : 13;
    CheckRefused(date + TimeText(p, locale, beyond), locale, currentYear, "hour out of range");
}

void CheckFormatted(const DateTimeParts& p, const LocaleDateSettings& locale, int currentYear) {
    if (!YearReadsBack(p.year, locale, currentYear)) return;
    const TDateTime value = zarvik3::EncodeDateTime(p);
    const auto back = Parse(zarvik3::FormatDateTimeText(value, locale), locale, currentYear);
    Require(back && SameToTheSecond(*back, value), "a formatted value reads back");
}

bool AllowedChar(char c, const LocaleDateSettings& locale) {
    const std::string markers = locale.amText + locale.pmText + "AMPMampm";
    return (c >= '0' && c <= '9') || c == ' ' || c == locale.dateSeparator ||
           c == locale.timeSeparator || c == locale.decimalSeparator ||
           markers.find(c) != std::string::npos;
}

// A character no rule takes, or a run of five digits, spoils any text.
void CheckSpoiled(const std::string& text, const LocaleDateSettings& locale, int currentYear) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Require(AllowedChar(text[i], locale), "an accepted text holds only its grammar's chars");
        run = text[i] >= '0' && text[i] <= '9' ? run + 1 : 0;
        Require(run <= 4, "an accepted number has at most four digits");
        if (run == 4) {
            std::string longer = text;
            longer.insert(i + 1, 1, '0');
            CheckRefused(longer, locale, currentYear, "a five-digit number is refused");
        }
    }
    for (std::size_t at = 0; at <= text.size(); at += 1 + text.size() / 8) {
        std::string spoiled = text;
        spoiled.insert(at, 1, 'q');
        CheckRefused(spoiled, locale, currentYear, "a stray letter is refused");
    }
}

void CheckAccepted(const std::string& text, const LocaleDateSettings& locale, int currentYear) {
    const auto value = Parse(text, locale, currentYear);
    if (!value) return;
    const DateTimeParts p = zarvik3::DecodeDateTime(*value);
    Require(zarvik3::IsValidDate(p.year, p.month, p.day), "an accepted text is a real date");
    CheckSpoiled(text, locale, currentYear);
    if (!YearReadsBack(p.year, locale, currentYear)) return;
    const auto again = Parse(zarvik3::FormatDateTimeText(*value, locale), locale, currentYear);
    Require(again && SameToTheSecond(*again, *value), "an accepted text formats and reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) return 0;
    const LocaleDateSettings locale = LocaleFor(data[0]);
    const int currentYear = 1 + (data[1] * 256 + data[2]) % 9999;
    std::uint64_t seed = 0;
    for (std::size_t i = 3; i < kHeaderBytes; ++i) seed = seed << 8 | data[i];
    const DateTimeParts parts = PartsFrom(seed);
    CheckBuiltTexts(parts, locale, currentYear);
    CheckFormatted(parts, locale, currentYear);
    const std::size_t length = std::min(size - kHeaderBytes, kMaxText);
    CheckAccepted(std::string(reinterpret_cast<const char*>(data) + kHeaderBytes, length), locale,
                  currentYear);
    return 0;
}
