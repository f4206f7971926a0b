#include "platform/posix/posix_drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>
#include <limits>
#include <utility>

#include "platform/posix/mount_table.h"
#include "platform/posix/volume_type.h"
#include "text/char_checks.h"

namespace zarvik3 {

namespace {

bool IsRootText(const std::string& root) {
    if (root.size() != 2 && root.size() != 3) return false;
    return IsAsciiLetter(root[0]) && root[1] == ':' && (root.size() == 2 || root[2] == '\\');
}

// A media folder that is not a mount point of its own holds no medium: its size would be
// that of the system disk below, and a backup written there would land on that disk.
bool AwaitsMedium(const std::string& folder) {
    if (!IsMediaFolder(folder)) return false;
    const auto mount = MountHolding(ReadMountTable(), folder);
    return !mount || !IsMediaFolder(mount->mountPoint);
}

}  // namespace

PosixDrives::PosixDrives(std::shared_ptr<const DriveMap> drives) : drives_(std::move(drives)) {}

std::optional<std::string> PosixDrives::RootFolder(const std::string& root) const {
    if (!IsRootText(root)) return std::nullopt;
    const auto native = drives_->Root(root[0]);
    if (!native) return std::nullopt;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(*native, error);
    if (error || !std::filesystem::is_directory(folder, error)) return std::nullopt;
    return folder.string();
}

int PosixDrives::GetDriveType(const std::string& root) {
    const auto folder = RootFolder(root);
    return folder ? DriveTypeOfFolder(*folder) : kDriveNoRoot;
}

std::int64_t PosixDrives::DiskTotalSize(const std::string& root) {
    const auto folder = RootFolder(root);
    struct statvfs volume;
    if (!folder || AwaitsMedium(*folder) || statvfs(folder->c_str(), &volume) != 0) return -1;
    const auto blocks = static_cast<unsigned __int128>(volume.f_blocks);
    const unsigned __int128 total = blocks * volume.f_frsize;
    constexpr auto kLargest = std::numeric_limits<std::int64_t>::max();
    return total > static_cast<unsigned __int128>(kLargest) ? kLargest
                                                            : static_cast<std::int64_t>(total);
}

std::optional<NativePath> PosixDrives::ToNativePath(const FolderText& folderText) {
    std::optional<std::string> native = drives_->ToNative(folderText);
    if (!native) return std::nullopt;
    return NativePath(std::move(*native));
}

std::optional<FolderText> PosixDrives::ToFolderText(const NativePath& nativePath) {
    return drives_->ToFolderText(nativePath.Text());
}

}  // namespace zarvik3
