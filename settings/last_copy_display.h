#pragma once

#include <string>

#include "text/date_time.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// DTPicker1's value before anything sets it: 30 December 1899, 13:13:10.906.
inline constexpr TDateTime kPickerInitialValue = 0.5508206712984247;

// The date a found stamp shows: the stamp's own, or today's when it does not parse.
TDateTime StampDate(const std::string& stamp, const LocaleDateSettings& locale, TDateTime now);

// lbTime's text for a stamp: the text after its first blank, up to the next one.
std::string StampTimeText(const std::string& stamp);

}  // namespace zarvik3
