#pragma once

#include <string>

#include "platform/drives.h"

namespace zarvik3 {

// The settings file of a program in a native folder, as the settings accessor takes it.
struct SettingsPlace {
    FolderText file;
    NativePath folderToCreate;  // empty when the file lies beside the program
};

// Throws std::runtime_error when the file lies on no drive.
SettingsPlace FindSettingsPlace(Drives& drives, const NativePath& programFolder);

}  // namespace zarvik3
