#include "cli/last_copy_record.h"

#include <vector>

#include "settings/folder_history.h"
#include "settings/settings_file.h"
#include "text/date_time_text.h"

namespace zarvik3::cli {

SettingsLocation LocateSettings() {
    return LocateSettingsFile(ProgramFolder());
}

void RecordLastCopy(Platform& platform, const LocaleDateSettings& locale,
                    const SettingsLocation& settings, const std::string& from,
                    const std::string& to, std::ostream& err) {
    const std::optional<std::string> path = platform.drives->ToFolderText(settings.file);
    if (!path) {
        err << "zarvik3-copy: the settings file " << settings.file
            << " is on no drive; the last copy is not recorded\n";
        return;
    }
    try {
        SettingsFile file(*platform.profiles, *path, settings.folderToCreate);
        std::vector<std::string> fromList = LoadHistoryList(file, kFromSection);
        std::vector<std::string> toList = LoadHistoryList(file, kToSection);
        const std::string stamp = FormatDateTimeText(platform.clock->Now(), locale);
        zarvik3::RecordLastCopy(file, from, to, fromList, toList, stamp);
    } catch (const SettingsWriteError& error) {
        err << "zarvik3-copy: " << error.what() << "; the last copy is not recorded\n";
    }
}

}  // namespace zarvik3::cli
