#include <utility>

#include "settings/folder_history.h"
#include "settings/main_section.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"

namespace zarvik3 {

namespace {

std::optional<std::string> NonEmpty(std::string value) {
    if (value.empty()) return std::nullopt;
    return value;
}

// "top,left"; a malformed value is reported and leaves the designed position, so the
// rest of the load still happens.
void LoadPosition(SettingsFile& file, LoadedSettings& loaded) {
    const std::string value = file.ReadSetting(kMainSection, "fZarvik");
    if (value.empty()) return;
    try {
        const int top = StrToInt(ExtractFields(value, ",", 1, 1));
        const int left = StrToInt(ExtractFields(value, ",", 1, 2));
        loaded.position = WindowPosition{top, left};
    } catch (const EConvertError& error) {
        loaded.positionError = error.what();
    }
}

std::optional<TDateTime> LoadDate(SettingsFile& file, const LocaleDateSettings& locale,
                                  int currentYear) {
    const std::string value = file.ReadSetting(kMainSection, "Date");
    if (value.empty()) return std::nullopt;
    try {
        return ParseDateTimeText(value, locale, currentYear);
    } catch (const EConvertError&) {
        return std::nullopt;  // written under another locale, or by hand: keep the picker
    }
}

std::optional<bool> LoadSubfolders(SettingsFile& file) {
    const std::string value = file.ReadSetting(kMainSection, "Subs");
    if (value == "1") return true;
    if (value == "0") return false;
    return std::nullopt;
}

}  // namespace

LoadedSettings LoadSettings(SettingsFile& file, const LocaleDateSettings& locale, int currentYear) {
    LoadedSettings loaded;
    LoadPosition(file, loaded);
    loaded.fromText = NonEmpty(file.ReadSetting(kMainSection, "FromBox"));
    loaded.toText = NonEmpty(file.ReadSetting(kMainSection, "ToFolder"));
    loaded.fromHistory = LoadHistoryList(file, kFromSection);
    loaded.toHistory = LoadHistoryList(file, kToSection);
    loaded.fileMask = NonEmpty(file.ReadSetting(kMainSection, "File"));
    loaded.exclusions = NonEmpty(file.ReadSetting(kMainSection, "Prev"));
    loaded.pickerDate = LoadDate(file, locale, currentYear);
    loaded.timeText = NonEmpty(file.ReadSetting(kMainSection, "Time"));
    loaded.subfolders = LoadSubfolders(file);
    return loaded;
}

}  // namespace zarvik3
