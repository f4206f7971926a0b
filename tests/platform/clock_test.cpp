#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "support/scratch_volume.h"
#include "text/date_time.h"

namespace zarvik3::test {
namespace {

// The system's real-time clock as local date-time parts, to the millisecond.
DateTimeParts LocalNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec;
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    parts.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count());
    return parts;
}

TEST(ClockTest, NowIsTheLocalTimeBetweenTwoReadingsOfTheSystemClock) {
    ScratchVolume volume;
    const TDateTime before = EncodeDateTime(LocalNow());
    const TDateTime now = volume.SystemClock().Now();
    const TDateTime after = EncodeDateTime(LocalNow());
    constexpr double kRounding = 1e-9;  // days, far below a millisecond
    EXPECT_GE(now, before - kRounding);
    EXPECT_LE(now, after + kRounding);
}

// A reading taken while the system clock stays inside one millisecond other than 0 must
// carry that millisecond; readings that straddle a millisecond are taken again.
TEST(ClockTest, NowCarriesMilliseconds) {
    ScratchVolume volume;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const DateTimeParts before = LocalNow();
        const TDateTime now = volume.SystemClock().Now();
        const DateTimeParts after = LocalNow();
        if (before.millisecond == 0 || before.second != after.second ||
            before.millisecond != after.millisecond) {
            continue;
        }
        EXPECT_EQ(DecodeDateTime(now).millisecond, before.millisecond);
        return;
    }
    FAIL() << "the system clock never held still for a millisecond";
}

}  // namespace
}  // namespace zarvik3::test
