#include "settings/settings_place.h"

#include <stdexcept>

#include "platform/settings_location.h"

namespace zarvik3 {

SettingsPlace FindSettingsPlace(Drives& drives, const NativePath& programFolder) {
    const SettingsLocation location = LocateSettingsFile(programFolder);
    const std::optional<FolderText> file = drives.ToFolderText(location.file);
    if (!file) {
        throw std::runtime_error("The settings file " + location.file.Text() + " is on no drive");
    }
    return {*file, location.folderToCreate};
}

}  // namespace zarvik3
