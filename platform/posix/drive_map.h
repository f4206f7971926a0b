#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_use.h"

namespace zarvik3 {

// A volume mounted where removable and extra disks go, with what identifies it from one
// mount to the next.
struct MountedVolume {
    std::string mountPoint;
    std::string key;
};

// Drive letters onto the Linux file system: C: is "/", explicit [Drives] entries win, a
// volume keeps the letter once given to it, and new volumes mounted under /media,
// /run/media and /mnt take the free letters from D: on. A remembered letter whose volume is
// absent stays reserved for it, so no other disk can answer to it.
class DriveMap {
  public:
    DriveMap(const std::map<char, std::string>& explicitRoots,
             const std::vector<std::string>& mountedVolumes);
    // remembered: letter to volume key, as given at earlier starts.
    DriveMap(const std::map<char, std::string>& explicitRoots,
             const std::map<char, std::string>& remembered,
             const std::vector<MountedVolume>& mountedVolumes);

    // Reads [Drives] from the settings file and the volumes from /proc/self/mounts; with
    // ReadWrite, the letters given to new volumes are written there.
    static DriveMap FromSystem(const std::string& nativeSettingsPath,
                               SettingsUse use = SettingsUse::ReadWrite);

    // Native root of a letter (either case); empty when no volume is behind it.
    std::optional<std::string> Root(char letter) const;

    // "C:\Data\x" -> "/Data/x"; empty for texts without a mapped drive letter.
    std::optional<std::string> ToNative(const std::string& folderText) const;

    // Through the longest matching volume; empty when no letter covers the path.
    std::optional<std::string> ToFolderText(const std::string& nativePath) const;

    // Letters given to volumes that had none remembered: letter to volume key.
    const std::map<char, std::string>& NewAssignments() const { return newAssignments_; }

  private:
    std::array<std::optional<std::string>, 26> roots_;
    std::map<char, std::string> newAssignments_;
};

}  // namespace zarvik3
