#include "text/date_time.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "text/civil_days.h"

namespace zarvik3 {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::int64_t kFirstDay = -693593;  // 1 January of year 1
constexpr std::int64_t kLastDay = 2958465;   // 31 December 9999
// The outermost instants of the calendar; values beyond them are held at these ends.
constexpr std::int64_t kFirstMs = kFirstDay * kMsPerDay - (kMsPerDay - 1);
constexpr std::int64_t kLastMs = kLastDay * kMsPerDay + (kMsPerDay - 1);

// The value as signed whole milliseconds: days times a day's length, with the time of
// day added away from zero, as values before the epoch keep a positive time of day.
std::int64_t RoundedMilliseconds(TDateTime value) {
    if (std::isnan(value)) return 0;
    const double scaled = value * static_cast<double>(kMsPerDay);
    if (scaled <= static_cast<double>(kFirstMs)) return kFirstMs;
    if (scaled >= static_cast<double>(kLastMs)) return kLastMs;
    return std::llround(scaled);
}

bool IsValidTime(const DateTimeParts& parts) {
    return parts.hour >= 0 && parts.hour < 24 && parts.minute >= 0 && parts.minute < 60 &&
           parts.second >= 0 && parts.second < 60 && parts.millisecond >= 0 &&
           parts.millisecond < 1000;
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    const std::int64_t ms = RoundedMilliseconds(value);
    const std::int64_t timeMs = std::llabs(ms) % kMsPerDay;
    const CivilDate date = CivilFromDays(ms / kMsPerDay);
    DateTimeParts parts;
    parts.year = date.year;
    parts.month = date.month;
    parts.day = date.day;
    parts.hour = static_cast<int>(timeMs / 3'600'000);
    parts.minute = static_cast<int>(timeMs / 60'000 % 60);
    parts.second = static_cast<int>(timeMs / 1000 % 60);
    parts.millisecond = static_cast<int>(timeMs % 1000);
    return parts;
}

TDateTime EncodeDateTime(const DateTimeParts& parts) {
    if (!IsValidDate(parts.year, parts.month, parts.day)) {
        throw std::invalid_argument("Invalid argument to date encode");
    }
    if (!IsValidTime(parts)) throw std::invalid_argument("Invalid argument to time encode");
    const auto day = static_cast<double>(DaysFromCivil(parts.year, parts.month, parts.day));
    const std::int64_t timeMs =
        ((parts.hour * 60LL + parts.minute) * 60 + parts.second) * 1000 + parts.millisecond;
    const double time = static_cast<double>(timeMs) / static_cast<double>(kMsPerDay);
    // Before the epoch the time of day still counts forward, away from zero.
    return day < 0 ? day - time : day + time;
}

TDateTime WithDate(TDateTime value, int year, int month, int day) {
    DateTimeParts parts = DecodeDateTime(value);
    parts.year = year;
    parts.month = month;
    parts.day = day;
    return EncodeDateTime(parts);
}

std::int64_t DayNumber(TDateTime value) {
    return RoundedMilliseconds(value) / kMsPerDay;
}

int DayOfWeek(TDateTime value) {
    // 693594 days lie from 1 January of year 1 up to the epoch; that day was a Monday.
    const std::int64_t daysSinceYearOne = 693594 + DayNumber(value);
    return static_cast<int>((daysSinceYearOne % 7 + 7) % 7) + 1;
}

}  // namespace zarvik3
