#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cstdint>

#include "platform/file_system.h"

namespace zarvik3 {

// What describing an entry needs to know of the enumeration it comes from.
struct EntrySource {
    int folderFd = -1;
    dev_t folderDevice = 0;
    std::int64_t utcOffset = 0;
    EntryDetail detail = EntryDetail::Full;
};

// Fills entry from the directory record; false when the entry vanished in the meantime.
bool DescribeEntry(const EntrySource& source, const dirent& record, DirEntry& entry);

}  // namespace zarvik3
