#include "platform/platform.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_drives.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_platform.h"
#include "platform/posix/posix_profile_file.h"

namespace zarvik3 {

Platform CreatePlatform(const std::string& nativeSettingsPath) {
    return CreatePosixPlatform(
        std::make_shared<const DriveMap>(DriveMap::FromSystem(nativeSettingsPath)));
}

Platform CreatePosixPlatform(std::shared_ptr<const DriveMap> drives) {
    Platform platform;
    platform.fileSystem = std::make_unique<PosixFileSystem>(drives);
    platform.drives = std::make_unique<PosixDrives>(drives);
    platform.profiles = std::make_unique<PosixProfileFile>(drives);
    platform.clock = std::make_unique<PosixClock>();
    return platform;
}

}  // namespace zarvik3
