#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zarvik3 {

// Drive letters onto the Linux file system: C: is "/", explicit [Drives] entries win,
// volumes mounted under /media, /run/media and /mnt take the free letters from D: on.
class DriveMap {
  public:
    DriveMap(const std::map<char, std::string>& explicitRoots,
             const std::vector<std::string>& mountedVolumes);

    // Reads [Drives] from the settings file and the volumes from /proc/self/mounts.
    static DriveMap FromSystem(const std::string& nativeSettingsPath);

    // Native root of a letter (either case); empty when no volume is behind it.
    std::optional<std::string> Root(char letter) const;

    // "C:\Data\x" -> "/Data/x"; empty for texts without a mapped drive letter.
    std::optional<std::string> ToNative(const std::string& folderText) const;

    // Through the longest matching volume; empty when no letter covers the path.
    std::optional<std::string> ToFolderText(const std::string& nativePath) const;

  private:
    std::array<std::optional<std::string>, 26> roots_;
};

}  // namespace zarvik3
