#pragma once

#include <compare>
#include <cstdint>

#include "text/date_time.h"

namespace zarvik3 {

// A last-write time as local seconds since 1970-01-01 00:00 (offset in force now), cut to
// the 2-second resolution of the packed MS-DOS form. Inside 1980-2107 it orders exactly as
// the packed form does; outside it, a file and its copy still compare equal.
using FileStamp = std::int64_t;

// File age of a name under which no file exists (or a folder stands).
constexpr FileStamp kNoFile = -1;

// A last-write time in UTC as the file system keeps it.
struct FileTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    auto operator<=>(const FileTime&) const = default;
};

// The time cut down to whole ticks of resolution nanoseconds (at least 1).
FileTime TruncatedTime(FileTime time, std::int64_t resolution);

FileStamp StampFromLocalSeconds(std::int64_t localSeconds);

TDateTime StampToDateTime(FileStamp stamp);

}  // namespace zarvik3
