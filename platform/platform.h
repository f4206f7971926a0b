#pragma once

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"

namespace zarvik3 {

// The operating-system services of one process, created once at start.
struct Platform {
    std::unique_ptr<FileSystem> fileSystem;
    std::unique_ptr<Drives> drives;
    std::unique_ptr<ProfileFile> profiles;
    std::unique_ptr<Clock> clock;
};

// nativeSettingsPath: the settings file whose [Drives] section maps extra drive letters.
Platform CreatePlatform(const std::string& nativeSettingsPath);

}  // namespace zarvik3
