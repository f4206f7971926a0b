#include <string>

#include "settings/main_section.h"
#include "text/date_time_text.h"

namespace zarvik3 {

namespace {

void SaveTime(SettingsFile& file, const MainSectionState& state) {
    if (state.timeVisible) {
        file.WriteSetting(kMainSection, "Time", state.timeText);
    } else {
        // A "Time" left from an earlier close would show a cleared display again.
        file.RemoveSetting(kMainSection, "Time");
    }
}

std::string PositionText(const WindowPosition& position) {
    return std::to_string(position.top) + "," + std::to_string(position.left);
}

}  // namespace

void SaveSettings(SettingsFile& file, const MainSectionState& state,
                  const LocaleDateSettings& locale) {
    file.WriteSetting(kMainSection, "FromBox", state.fromText);
    file.WriteSetting(kMainSection, "ToFolder", state.toText);
    file.WriteSetting(kMainSection, "File", state.fileMask);
    file.WriteSetting(kMainSection, "Prev", state.exclusions);
    file.WriteSetting(kMainSection, "Date", FormatDateTimeText(state.pickerValue, locale));
    file.WriteSetting(kMainSection, "FrmDir", state.lastFromDir);
    file.WriteSetting(kMainSection, "ToDir", state.lastToDir);
    SaveTime(file, state);
    file.WriteSetting(kMainSection, "Subs", state.subfolders ? "1" : "0");
    // A minimised or maximised window keeps the position saved while it was normal.
    if (state.windowNormal)
        file.WriteSetting(kMainSection, "fZarvik", PositionText(state.position));
}

}  // namespace zarvik3
