#include "platform/posix/posix_clock.h"

#include <time.h>

namespace zarvik3 {

TDateTime PosixClock::Now() {
    timespec now{};
    tm local{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0 || localtime_r(&now.tv_sec, &local) == nullptr) {
        return 0.0;
    }
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    // A leap second (60) is held at the last whole second of the minute.
    parts.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    parts.millisecond = static_cast<int>(now.tv_nsec / 1'000'000);
    return EncodeDateTime(parts);
}

}  // namespace zarvik3
