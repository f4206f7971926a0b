#include "settings/settings_place.h"

#include <stdexcept>

#include "platform/settings_location.h"

namespace zarvik3 {

SettingsPlace FindSettingsPlace(Drives& drives, const std::string& nativeProgramFolder) {
    const SettingsLocation location = LocateSettingsFile(nativeProgramFolder);
    const std::optional<std::string> file = drives.ToFolderText(location.file);
    if (!file) throw std::runtime_error("The settings file " + location.file + " is on no drive");
    return {*file, location.folderToCreate};
}

}  // namespace zarvik3
