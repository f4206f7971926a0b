#pragma once

#include <cstdint>

namespace zarvik3 {

// Days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool IsValidDate(int year, int month, int day);

// Rounds to the nearest whole millisecond first, so a value just before midnight
// belongs to the next day.
DateTimeParts DecodeDateTime(TDateTime value);

// The parts must form a valid date (years 1 to 9999) and time.
TDateTime EncodeDateTime(const DateTimeParts& parts);

// value on the given date, at value's own time of day: a date picker's new date.
TDateTime WithDate(TDateTime value, int year, int month, int day);

// 1 is Sunday, 7 is Saturday.
int DayOfWeek(TDateTime value);

// Whole days since the epoch of the scale, after millisecond rounding.
std::int64_t DayNumber(TDateTime value);

}  // namespace zarvik3
