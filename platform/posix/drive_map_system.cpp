#include <algorithm>

#include "platform/posix/drive_map.h"
#include "platform/posix/mount_table.h"
#include "platform/posix/posix_profile_file.h"

namespace zarvik3 {

namespace {

constexpr std::size_t kPathBuffer = 4096;

std::map<char, std::string> ExplicitRoots(const std::string& nativeSettingsPath) {
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    std::map<char, std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = profiles.GetString(nativeSettingsPath, "Drives",
                                                    std::string(1, letter), "", kPathBuffer);
        if (root.starts_with('/')) roots[letter] = root;
    }
    return roots;
}

bool HoldsVolumes(const std::string& mountPoint) {
    for (const char* folder : {"/media", "/run/media", "/mnt"}) {
        if (PathIsWithin(mountPoint, folder) && mountPoint != folder) return true;
    }
    return false;
}

std::vector<std::string> MountedVolumes() {
    std::vector<std::string> volumes;
    for (const MountEntry& entry : ReadMountTable()) {
        if (HoldsVolumes(entry.mountPoint)) volumes.push_back(entry.mountPoint);
    }
    // Sorted, so the same volumes get the same letters at every start.
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    return volumes;
}

}  // namespace

DriveMap DriveMap::FromSystem(const std::string& nativeSettingsPath) {
    return DriveMap(ExplicitRoots(nativeSettingsPath), MountedVolumes());
}

}  // namespace zarvik3
