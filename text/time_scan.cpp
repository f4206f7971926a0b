#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "text/date_time_scan.h"

namespace zarvik3 {

namespace {

enum class Marker { None, Am, Pm };

// The locale's texts and the plain letters; the longest that matches wins, so a marker
// that begins like another is not cut short.
Marker TakeMarker(TextScanner& scanner, const LocaleDateSettings& locale) {
    const std::array<std::pair<std::string_view, Marker>, 4> candidates{{
        {locale.amText, Marker::Am},
        {locale.pmText, Marker::Pm},
        {"AM", Marker::Am},
        {"PM", Marker::Pm},
    }};
    const std::size_t start = scanner.Position();
    std::size_t bestEnd = start;
    Marker best = Marker::None;
    for (const auto& [word, marker] : candidates) {
        scanner.Rewind(start);
        if (scanner.TakeWordIgnoringCase(word) && scanner.Position() > bestEnd) {
            bestEnd = scanner.Position();
            best = marker;
        }
    }
    scanner.Rewind(bestEnd);
    return best;
}

enum class Piece { Absent, Taken, Broken };

// A separator followed by a number; once the separator is there the number is required.
Piece TakeSeparatedNumber(TextScanner& scanner, char separator, int& value) {
    if (!scanner.TakeChar(separator)) return Piece::Absent;
    const auto number = scanner.TakeNumber();
    if (!number) return Piece::Broken;
    value = number->value;
    return Piece::Taken;
}

std::optional<int> ClockHour(int hour, Marker marker) {
    if (marker == Marker::None) return hour <= 23 ? std::optional<int>(hour) : std::nullopt;
    if (hour < 1 || hour > 12) return std::nullopt;
    return hour % 12 + (marker == Marker::Pm ? 12 : 0);
}

}  // namespace

std::optional<ScannedTime> ScanTimeToEnd(TextScanner& scanner, const LocaleDateSettings& locale) {
    Marker marker = TakeMarker(scanner, locale);
    const auto hour = scanner.TakeNumber();
    if (!hour) return std::nullopt;
    ScannedTime time{hour->value, 0, 0, 0};
    Piece piece = TakeSeparatedNumber(scanner, locale.timeSeparator, time.minute);
    if (piece == Piece::Taken) {
        piece = TakeSeparatedNumber(scanner, locale.timeSeparator, time.second);
    }
    if (piece == Piece::Taken) {
        piece = TakeSeparatedNumber(scanner, locale.decimalSeparator, time.millisecond);
    }
    if (piece == Piece::Broken) return std::nullopt;
    if (marker == Marker::None) marker = TakeMarker(scanner, locale);
    if (!scanner.AtEnd()) return std::nullopt;
    const auto clockHour = ClockHour(time.hour, marker);
    if (!clockHour || time.minute > 59 || time.second > 59 || time.millisecond > 999) {
        return std::nullopt;
    }
    time.hour = *clockHour;
    return time;
}

}  // namespace zarvik3
