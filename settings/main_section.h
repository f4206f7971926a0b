#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/window_position.h"
#include "text/date_time.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

inline const std::string kMainSection = "PlimoForm";

// The window state that SaveSettings writes at close.
struct MainSectionState {
    std::string fromText;       // FromBox
    std::string toText;         // ToFolder
    std::string fileMask;       // edFile
    std::string exclusions;     // edPrev
    TDateTime pickerValue = 0;  // DTPicker1, date and time of day
    std::string lastFromDir;
    std::string lastToDir;
    bool timeVisible = false;  // lbTime
    std::string timeText;
    bool subfolders = true;    // SubBox
    bool windowNormal = true;  // neither minimised nor maximised
    WindowPosition position = kDesignedPosition;
};

// What LoadSettings found; an empty member means "keep the control's initial state".
struct LoadedSettings {
    std::optional<WindowPosition> position;
    // "'<field>' is not a valid integer value" for a malformed "fZarvik"; position is then
    // empty and every other key still loaded.
    std::optional<std::string> positionError;
    std::optional<std::string> fromText;
    std::optional<std::string> toText;
    std::optional<std::string> fileMask;
    std::optional<std::string> exclusions;
    // Only its date counts; the picker keeps its own time of day.
    std::optional<TDateTime> pickerDate;
    // Non-empty "Time": show the last-copy display with this text in lbTime.
    std::optional<std::string> timeText;
    std::optional<bool> subfolders;
    std::vector<std::string> fromHistory;  // items of FromBox's list
    std::vector<std::string> toHistory;    // items of ToFolder's list
};

// Reads [PlimoForm] and both histories. Afterwards LastFromDir and LastToDir take the
// From and To texts as they stand once the result is applied.
LoadedSettings LoadSettings(SettingsFile& file, const LocaleDateSettings& locale, int currentYear);

// Writes [PlimoForm]; throws SettingsWriteError at the first refused write.
void SaveSettings(SettingsFile& file, const MainSectionState& state,
                  const LocaleDateSettings& locale);

}  // namespace zarvik3
