#pragma once

#include <memory>

#include "platform/drives.h"
#include "platform/posix/drive_map.h"

namespace zarvik3 {

// Drive letters as the drive map lays them over the Linux file system.
class PosixDrives : public Drives {
  public:
    explicit PosixDrives(std::shared_ptr<const DriveMap> drives);

    int GetDriveType(const std::string& root) override;
    std::int64_t DiskTotalSize(const std::string& root) override;
    std::optional<NativePath> ToNativePath(const FolderText& folderText) override;
    std::optional<FolderText> ToFolderText(const NativePath& nativePath) override;

  private:
    // The link-free native folder behind "X:\" or "X:"; empty for anything else.
    std::optional<std::string> RootFolder(const std::string& root) const;

    std::shared_ptr<const DriveMap> drives_;
};

}  // namespace zarvik3
