#pragma once

#include <stdexcept>
#include <string>

#include "text/date_time.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// A text that cannot be converted to the value asked for.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The short date, then a blank and the time only when the time is not midnight.
std::string FormatDateTimeText(TDateTime value, const LocaleDateSettings& locale);

// Inverse of FormatDateTimeText; one- and two-digit years are placed around currentYear.
// Throws EConvertError "'<text>' is not a valid date and time".
TDateTime ParseDateTimeText(const std::string& text, const LocaleDateSettings& locale,
                            int currentYear);

}  // namespace zarvik3
