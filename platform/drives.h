#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/path_kinds.h"

namespace zarvik3 {

enum DriveType : int {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

class Drives {
  public:
    virtual ~Drives() = default;

    // Root as "X:\" (or "X:"); anything else is kDriveNoRoot.
    virtual int GetDriveType(const std::string& root) = 0;

    // Total size in bytes of the volume whose root is given; -1 on failure, an empty
    // removable drive included, which never prompts for a disk.
    virtual std::int64_t DiskTotalSize(const std::string& root) = 0;

    // Folder text to the platform's own path, and back; empty when there is no mapping.
    virtual std::optional<NativePath> ToNativePath(const FolderText& folderText) = 0;
    virtual std::optional<FolderText> ToFolderText(const NativePath& nativePath) = 0;
};

}  // namespace zarvik3
