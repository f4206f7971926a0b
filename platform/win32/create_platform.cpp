#include "platform/platform.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_file.h"
#include "platform/win32/win32_run_conditions.h"

namespace zarvik3 {

// The system keeps the drive letters itself, so the settings file maps none.
Platform CreatePlatform(const NativePath& /*settingsFile*/, SettingsUse /*use*/) {
    Platform platform;
    platform.conditions = std::make_unique<Win32RunConditions>();
    platform.fileSystem = std::make_unique<Win32FileSystem>();
    platform.drives = std::make_unique<Win32Drives>();
    platform.profiles = std::make_unique<Win32ProfileFile>();
    platform.clock = std::make_unique<Win32Clock>();
    return platform;
}

}  // namespace zarvik3
