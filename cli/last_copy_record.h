#pragma once

#include <ostream>
#include <string>

#include "platform/platform.h"
#include "text/locale_date_settings.h"

namespace zarvik3::cli {

// Stamps the From folder's history in the window's settings file, as the window does after
// a run that copied data. A refused write is told on err; the copy itself stands.
void RecordLastCopy(Platform& platform, const LocaleDateSettings& locale, const std::string& from,
                    const std::string& to, std::ostream& err);

}  // namespace zarvik3::cli
