#include "platform/posix/volume_type.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/drives.h"
#include "platform/posix/mount_table.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 11> kTypeByName{{
    {"tmpfs", kDriveRamDisk},
    {"ramfs", kDriveRamDisk},
    {"nfs", kDriveRemote},
    {"nfs4", kDriveRemote},
    {"cifs", kDriveRemote},
    {"smb3", kDriveRemote},
    {"smbfs", kDriveRemote},
    {"fuse.sshfs", kDriveRemote},
    {"9p", kDriveRemote},
    {"iso9660", kDriveCdRom},
    {"udf", kDriveCdRom},
}};

// The kernel's magic numbers (linux/magic.h) of the same file systems.
constexpr std::array<std::pair<std::uint32_t, int>, 11> kTypeByMagic{{
    {0x01021994, kDriveRamDisk},  // tmpfs
    {0x858458f6, kDriveRamDisk},  // ramfs
    {0x6969, kDriveRemote},       // nfs
    {0x517B, kDriveRemote},       // smbfs
    {0xFF534D42, kDriveRemote},   // cifs
    {0xFE534D42, kDriveRemote},   // smb2/3
    {0x01021997, kDriveRemote},   // 9p
    {0x00C36400, kDriveRemote},   // ceph
    {0x5346414F, kDriveRemote},   // AFS
    {0x9660, kDriveCdRom},        // iso9660
    {0x15013346, kDriveCdRom},    // udf
}};

bool ReadsOne(const std::string& path) {
    std::ifstream file(path);
    char first = 0;
    return file.get(first) && first == '1';
}

std::string CanonicalFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::canonical(path, ignored).string();
}

}  // namespace

int DriveTypeOfFileSystemName(std::string_view type) {
    for (const auto& [name, driveType] : kTypeByName) {
        if (type == name) return driveType;
    }
    return kDriveUnknown;
}

int DriveTypeOfFileSystemMagic(std::uint32_t magic) {
    for (const auto& [number, driveType] : kTypeByMagic) {
        if (magic == number) return driveType;
    }
    return kDriveUnknown;
}

bool IsMediaFolder(std::string_view nativePath) {
    return PathIsWithin(nativePath, "/media") || PathIsWithin(nativePath, "/run/media");
}

bool IsRemovableBlockDevice(dev_t device) {
    const std::string node = CanonicalFolder("/sys/dev/block/" + std::to_string(major(device)) +
                                             ":" + std::to_string(minor(device)));
    if (node.empty()) return false;
    std::error_code ignored;
    const bool partition = std::filesystem::exists(node + "/partition", ignored);
    const std::string disk = partition ? node.substr(0, node.rfind('/')) : node;
    return ReadsOne(disk + "/removable");
}

bool HoldsExfat(dev_t device) {
    std::ifstream uevent("/sys/dev/block/" + std::to_string(major(device)) + ":" +
                         std::to_string(minor(device)) + "/uevent");
    std::string line;
    while (std::getline(uevent, line) && !line.starts_with("DEVNAME=")) {
    }
    if (!line.starts_with("DEVNAME=")) return false;
    const UniqueFd fd(open(("/dev/" + line.substr(8)).c_str(), O_RDONLY | O_CLOEXEC));
    char boot[11] = {};
    return fd.Valid() && pread(fd.Get(), boot, sizeof boot, 0) == sizeof boot &&
           std::string_view(boot + 3, 8) == "EXFAT   ";
}

int DriveTypeOfFolder(const std::string& nativeRoot) {
    struct statfs volume;
    if (statfs(nativeRoot.c_str(), &volume) == 0) {
        const int byMagic = DriveTypeOfFileSystemMagic(static_cast<std::uint32_t>(volume.f_type));
        if (byMagic != kDriveUnknown) return byMagic;
    }
    if (const auto mount = MountHolding(ReadMountTable(), nativeRoot)) {
        const int byName = DriveTypeOfFileSystemName(mount->fileSystemType);
        if (byName != kDriveUnknown) return byName;
    }
    struct stat status;
    if (stat(nativeRoot.c_str(), &status) == 0 && IsRemovableBlockDevice(status.st_dev)) {
        return kDriveRemovable;
    }
    return IsMediaFolder(nativeRoot) ? kDriveRemovable : kDriveFixed;
}

}  // namespace zarvik3
