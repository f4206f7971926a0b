#include <algorithm>

#include "platform/posix/drive_map.h"
#include "platform/posix/mount_table.h"
#include "platform/posix/posix_profile_file.h"
#include "platform/posix/volume_key.h"

namespace zarvik3 {

namespace {

constexpr std::size_t kPathBuffer = 4096;

constexpr const char* kSection = "Drives";

// "Volume.E": the volume key that letter E was given to.
std::string RememberedKeyName(char letter) {
    return std::string("Volume.") + letter;
}

std::map<char, std::string> ExplicitRoots(PosixProfileFile& profiles,
                                          const std::string& nativeSettingsPath) {
    std::map<char, std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = profiles.GetString(nativeSettingsPath, kSection,
                                                    std::string(1, letter), "", kPathBuffer);
        if (root.starts_with('/')) roots[letter] = root;
    }
    return roots;
}

std::map<char, std::string> RememberedKeys(PosixProfileFile& profiles,
                                           const std::string& nativeSettingsPath) {
    std::map<char, std::string> keys;
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        std::string key = profiles.GetString(nativeSettingsPath, kSection,
                                             RememberedKeyName(letter), "", kPathBuffer);
        if (!key.empty()) keys[letter] = std::move(key);
    }
    return keys;
}

bool HoldsVolumes(const std::string& mountPoint) {
    for (const char* folder : {"/media", "/run/media", "/mnt"}) {
        if (PathIsWithin(mountPoint, folder) && mountPoint != folder) return true;
    }
    return false;
}

std::vector<MountedVolume> MountedVolumes() {
    const auto uuids = UuidsOfDevices("/dev/disk/by-uuid");
    std::vector<MountedVolume> volumes;
    for (const MountEntry& entry : ReadMountTable()) {
        if (HoldsVolumes(entry.mountPoint)) {
            volumes.push_back({entry.mountPoint, VolumeKey(entry, uuids)});
        }
    }
    // Sorted, so new volumes found together get their letters in a fixed order.
    const auto byMountPoint = [](const MountedVolume& a, const MountedVolume& b) {
        return a.mountPoint < b.mountPoint;
    };
    std::sort(volumes.begin(), volumes.end(), byMountPoint);
    volumes.erase(std::unique(volumes.begin(), volumes.end(),
                              [](const MountedVolume& a, const MountedVolume& b) {
                                  return a.mountPoint == b.mountPoint;
                              }),
                  volumes.end());
    return volumes;
}

// A settings file that cannot be written only means the letters are not kept this time.
void Remember(PosixProfileFile& profiles, const std::string& nativeSettingsPath,
              const std::map<char, std::string>& assignments) {
    const std::string section = kSection;
    for (const auto& [letter, key] : assignments) {
        const std::string name = RememberedKeyName(letter);
        profiles.WriteString(&section, &name, &key, nativeSettingsPath);
    }
}

}  // namespace

DriveMap DriveMap::FromSystem(const std::string& nativeSettingsPath, SettingsUse use) {
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    DriveMap map(ExplicitRoots(profiles, nativeSettingsPath),
                 RememberedKeys(profiles, nativeSettingsPath), MountedVolumes());
    if (use == SettingsUse::ReadWrite) Remember(profiles, nativeSettingsPath, map.NewAssignments());
    return map;
}

}  // namespace zarvik3
