#pragma once

#include <sys/types.h>

namespace zarvik3 {

// Whether the folder name in parentFd (a mount point; mountDevice is its st_dev) holds a kernel
// pseudo file system (proc, sysfs, devtmpfs and the like) that a backup must never enter.
bool IsPseudoFileSystemMount(int parentFd, const char* name, dev_t mountDevice);

}  // namespace zarvik3
