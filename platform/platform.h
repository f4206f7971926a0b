#pragma once

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/settings_use.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// What may change while the program is open: the mounted volumes behind the drive letters
// and the locale's date forms. (The file system takes the time zone offset itself.)
class RunConditions {
  public:
    virtual ~RunConditions() = default;
    // Takes them from the system again; called as each run starts.
    virtual void Refresh() = 0;
    // The date forms last taken: one object for the life of the platform, updated in place.
    virtual const LocaleDateSettings& Locale() const = 0;
};

// The operating-system services of one process, created once at start.
struct Platform {
    std::unique_ptr<FileSystem> fileSystem;
    std::unique_ptr<Drives> drives;
    std::unique_ptr<ProfileFile> profiles;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RunConditions> conditions;
};

// settingsFile: the settings file whose [Drives] section maps extra drive letters.
Platform CreatePlatform(const NativePath& settingsFile, SettingsUse use = SettingsUse::ReadWrite);

}  // namespace zarvik3
