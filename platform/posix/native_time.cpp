#include "platform/posix/native_time.h"

#include <limits>

namespace zarvik3 {

std::int64_t CurrentUtcOffset() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return local.tm_gmtoff;
}

FileStamp StampOfNativeTime(std::time_t utcSeconds, std::int64_t utcOffset) {
    std::int64_t local = 0;
    // Absurd times saturate rather than overflow.
    if (__builtin_add_overflow(static_cast<std::int64_t>(utcSeconds), utcOffset, &local)) {
        local = utcOffset > 0 ? std::numeric_limits<std::int64_t>::max()
                              : std::numeric_limits<std::int64_t>::min();
    }
    return StampFromLocalSeconds(local);
}

}  // namespace zarvik3
