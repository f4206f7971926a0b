#include "platform/win32/file_time.h"

#include "text/floor_div.h"

namespace zarvik3 {
namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
// 100 ns ticks from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kUnixEpochTicks = 116444736000000000;

std::int64_t Ticks(const FILETIME& time) {
    const auto ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks) - kUnixEpochTicks;
}

}  // namespace

FileTime FromFileTime(const FILETIME& time) {
    const std::int64_t ticks = Ticks(time);
    const std::int64_t seconds = FloorDiv(ticks, kTicksPerSecond);
    return {seconds, (ticks - seconds * kTicksPerSecond) * 100};
}

std::int64_t CurrentLocalOffset() {
    FILETIME now{};
    FILETIME local{};
    GetSystemTimeAsFileTime(&now);
    if (!FileTimeToLocalFileTime(&now, &local)) return 0;
    return FloorDiv(Ticks(local) - Ticks(now), kTicksPerSecond);
}

FileStamp StampOf(const FILETIME& time, std::int64_t localOffset) {
    return StampFromLocalSeconds(FromFileTime(time).seconds + localOffset);
}

}  // namespace zarvik3
