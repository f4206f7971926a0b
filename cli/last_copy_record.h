#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/platform.h"
#include "platform/settings_location.h"
#include "text/locale_date_settings.h"

namespace zarvik3::cli {

// The settings file the window uses: the one place that decides it.
SettingsLocation LocateSettings();

// Stamps the From folder's history in the settings file, as the window does after a run
// that copied data. A refused write is told on err; the copy itself stands.
void RecordLastCopy(Platform& platform, const LocaleDateSettings& locale,
                    const SettingsLocation& settings, const std::string& from,
                    const std::string& to, std::ostream& err);

}  // namespace zarvik3::cli
