#include "platform/platform.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_drives.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_platform.h"
#include "platform/posix/posix_profile_file.h"
#include "platform/posix/posix_run_conditions.h"

namespace zarvik3 {
namespace {

Platform CreateOverMap(std::shared_ptr<DriveMap> drives,
                       std::optional<std::string> nativeSettingsPath, SettingsUse use) {
    Platform platform;
    platform.conditions =
        std::make_unique<PosixRunConditions>(drives, std::move(nativeSettingsPath), use);
    platform.fileSystem = std::make_unique<PosixFileSystem>(drives);
    platform.drives = std::make_unique<PosixDrives>(drives);
    platform.profiles = std::make_unique<PosixProfileFile>(drives);
    platform.clock = std::make_unique<PosixClock>();
    return platform;
}

}  // namespace

Platform CreatePlatform(const NativePath& settingsFile, SettingsUse use) {
    return CreateOverMap(std::make_shared<DriveMap>(DriveMap::FromSystem(settingsFile.Text(), use)),
                         settingsFile.Text(), use);
}

Platform CreatePosixPlatform(std::shared_ptr<const DriveMap> drives) {
    // The caller's map stays as given; only the time zone and the locale are taken again.
    return CreateOverMap(std::make_shared<DriveMap>(*drives), std::nullopt, SettingsUse::ReadOnly);
}

}  // namespace zarvik3
