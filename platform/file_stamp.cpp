#include "platform/file_stamp.h"

#include "text/floor_div.h"

namespace zarvik3 {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 30 December 1899 (the date-time scale's zero) to 1 January 1970.
constexpr double kUnixEpochAsDateTime = 25569.0;

}  // namespace

FileTime TruncatedTime(FileTime time, std::int64_t resolution) {
    if (resolution <= 1) return time;
    constexpr std::int64_t kPerSecond = 1000000000;
    if (resolution < kPerSecond) {
        time.nanoseconds -= time.nanoseconds % resolution;
        return time;
    }
    const std::int64_t seconds = resolution / kPerSecond;
    return {FloorDiv(time.seconds, seconds) * seconds, 0};
}

FileStamp StampFromLocalSeconds(std::int64_t localSeconds) {
    return FloorDiv(localSeconds, 2) * 2;
}

TDateTime StampToDateTime(FileStamp stamp) {
    return static_cast<double>(stamp) / kSecondsPerDay + kUnixEpochAsDateTime;
}

}  // namespace zarvik3
