#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <ctime>

#include "platform/posix/posix_clock.h"
#include "text/date_time.h"

namespace zarvik3 {
namespace {

// The system's real-time clock as local date-time parts, to the millisecond.
DateTimeParts LocalParts(const timespec& at) {
    std::tm local{};
    localtime_r(&at.tv_sec, &local);
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec;
    parts.millisecond = static_cast<int>(at.tv_nsec / 1'000'000);
    return parts;
}

timespec RealTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

TEST(ClockTest, NowIsTheLocalTimeBetweenTwoReadingsOfTheSystemClock) {
    PosixClock clock;
    const TDateTime before = EncodeDateTime(LocalParts(RealTime()));
    const TDateTime now = clock.Now();
    const TDateTime after = EncodeDateTime(LocalParts(RealTime()));
    constexpr double kRounding = 1e-9;  // days, far below a millisecond
    EXPECT_GE(now, before - kRounding);
    EXPECT_LE(now, after + kRounding);
}

// A reading taken while the system clock stays inside one millisecond other than 0 must
// carry that millisecond; readings that straddle a millisecond are taken again.
TEST(ClockTest, NowCarriesMilliseconds) {
    PosixClock clock;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const DateTimeParts before = LocalParts(RealTime());
        const TDateTime now = clock.Now();
        const DateTimeParts after = LocalParts(RealTime());
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
}  // namespace zarvik3
