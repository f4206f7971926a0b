#pragma once

#include <array>
#include <string>

namespace zarvik3 {

// The locale items the date-time texts are laid out from. The initial values are the
// fallbacks used when an item cannot be read.
struct LocaleDateSettings {
    char dateSeparator = '/';
    std::string shortDatePattern = "m/d/yy";
    char timeSeparator = ':';
    std::string amText = "am";
    std::string pmText = "pm";
    bool hourLeadingZero = false;
    bool clock24 = false;
    bool markerBeforeTime = false;
    char decimalSeparator = '.';
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Sunday first.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

}  // namespace zarvik3
