#pragma once

#include "text/locale_date_settings.h"

namespace zarvik3::test {

// Locale items as the three reference locales report them.

inline LocaleDateSettings EnUs() {
    LocaleDateSettings l;
    l.shortDatePattern = "M/d/yyyy";
    l.dateSeparator = '/';
    l.amText = "AM";
    l.pmText = "PM";
    l.clock24 = false;
    l.hourLeadingZero = false;
    return l;
}

inline LocaleDateSettings DeDe() {
    LocaleDateSettings l;
    l.shortDatePattern = "dd.MM.yyyy";
    l.dateSeparator = '.';
    l.amText = "";
    l.pmText = "";
    l.clock24 = true;
    l.hourLeadingZero = true;
    l.decimalSeparator = ',';
    return l;
}

inline LocaleDateSettings EnGb() {
    LocaleDateSettings l;
    l.shortDatePattern = "dd/MM/yyyy";
    l.dateSeparator = '/';
    l.amText = "AM";
    l.pmText = "PM";
    l.clock24 = true;
    l.hourLeadingZero = true;
    return l;
}

}  // namespace zarvik3::test
