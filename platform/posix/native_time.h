#pragma once

#include <cstdint>
#include <ctime>

#include "platform/file_stamp.h"

namespace zarvik3 {

// Seconds to add to UTC for local time, as in force now (daylight saving included).
std::int64_t CurrentUtcOffset();

FileStamp StampOfNativeTime(std::time_t utcSeconds, std::int64_t utcOffset);

}  // namespace zarvik3
