#pragma once

#include "text/locale_date_settings.h"

namespace zarvik3 {

// Filled from the user's locale; items that cannot be read keep their fallbacks.
LocaleDateSettings LoadLocaleDateSettings();

}  // namespace zarvik3
