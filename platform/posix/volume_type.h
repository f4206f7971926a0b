#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvik3 {

// The drive type a file system's name (as the mount table writes it) stands for;
// kDriveUnknown when the name alone does not decide.
int DriveTypeOfFileSystemName(std::string_view type);

// The same from the magic number statfs reports.
int DriveTypeOfFileSystemMagic(std::uint32_t magic);

// Volumes the desktop mounts for media plugged in; a folder there without a volume of its
// own is a drive whose medium is missing.
bool IsMediaFolder(std::string_view nativePath);

// True when the block device (or, for a partition, its disk) is marked removable.
bool IsRemovableBlockDevice(dev_t device);

// True when the block device holds an exFAT volume, as its boot sector tells; false when it
// cannot be read.
bool HoldsExfat(dev_t device);

// The drive type of an existing folder, taken as a drive root (link-free path).
int DriveTypeOfFolder(const std::string& nativeRoot);

}  // namespace zarvik3
