#include "cli/last_copy_record.h"

#include <stdexcept>
#include <vector>

#include "platform/settings_location.h"
#include "settings/folder_history.h"
#include "settings/settings_file.h"
#include "settings/settings_place.h"

namespace zarvik3::cli {
namespace {

void TellNotRecorded(std::ostream& err, const std::string& why) {
    err << "zarvik3-copy: " << why << "; the last copy is not recorded\n";
}

}  // namespace

void RecordLastCopy(Platform& platform, const LocaleDateSettings& locale, const std::string& from,
                    const std::string& to, std::ostream& err) {
    SettingsPlace place;
    try {
        place = FindSettingsPlace(*platform.drives, ProgramFolder());
    } catch (const std::runtime_error& error) {
        return TellNotRecorded(err, error.what());
    }
    try {
        SettingsFile file(*platform.profiles, place.file, place.folderToCreate);
        std::vector<std::string> fromList = LoadHistoryList(file, kFromSection);
        std::vector<std::string> toList = LoadHistoryList(file, kToSection);
        StampLastCopy(file, from, to, fromList, toList, platform.clock->Now(), locale);
    } catch (const SettingsWriteError& error) {
        TellNotRecorded(err, error.what());
    }
}

}  // namespace zarvik3::cli
