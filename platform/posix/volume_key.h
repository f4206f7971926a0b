#pragma once

#include <map>
#include <string>

#include "platform/posix/mount_table.h"

namespace zarvik3 {

// Device nodes (links resolved) to the file-system UUIDs that name them, from a folder of
// links such as /dev/disk/by-uuid; empty when it cannot be read.
std::map<std::string, std::string> UuidsOfDevices(const std::string& byUuidFolder);

// What identifies a mounted volume from one mount to the next: its file-system UUID, else
// the network share it comes from, else its mount point (which desktops derive from the
// volume label). A device node name alone would follow the order disks are plugged in.
std::string VolumeKey(const MountEntry& mount, const std::map<std::string, std::string>& uuids);

}  // namespace zarvik3
