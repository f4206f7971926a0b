#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "platform/file_stamp.h"

namespace zarvik3 {

// A FILETIME (100 ns ticks since 1601, UTC) as seconds and nanoseconds since 1970.
FileTime FromFileTime(const FILETIME& time);

// The offset FileTimeToLocalFileTime applies now, in seconds: it shifts every date by the
// offset in force today, whatever the season of the date.
std::int64_t CurrentLocalOffset();

// The packed-form stamp of a UTC FILETIME under a fixed offset.
FileStamp StampOf(const FILETIME& time, std::int64_t localOffset);

}  // namespace zarvik3
