#pragma once

#include <string>

#include "text/locale_date_settings.h"

namespace zarvik3 {

// The locale's short date pattern ("m/d/yy", "dd.mm.yyyy") as a Qt date display format,
// "/" standing for the locale's date separator and quoted text kept literally.
std::string QtShortDateFormat(const LocaleDateSettings& locale);

}  // namespace zarvik3
