#pragma once

#include <cstdint>

namespace zarvik3 {

// Proleptic Gregorian calendar arithmetic on day numbers counted from 30 December 1899.

struct CivilDate {
    int year;
    int month;
    int day;
};

std::int64_t DaysFromCivil(int year, int month, int day);

CivilDate CivilFromDays(std::int64_t days);

}  // namespace zarvik3
