#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/posix/posix_clock.h"
#include "text/date_time.h"

namespace zarvik3 {
namespace {

TDateTime LocalTimeOf(std::time_t seconds) {
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec;
    return EncodeDateTime(parts);
}

TEST(ClockTest, NowIsTheLocalTimeWithinASecond) {
    PosixClock clock;
    const std::time_t before = std::time(nullptr);
    const TDateTime now = clock.Now();
    const std::time_t after = std::time(nullptr);
    constexpr double kSecond = 1.0 / 86400.0;
    EXPECT_GE(now, LocalTimeOf(before) - kSecond / 1000);
    EXPECT_LT(now, LocalTimeOf(after) + kSecond);
}

TEST(ClockTest, NowCarriesMilliseconds) {
    PosixClock clock;
    bool sawMilliseconds = false;
    for (int i = 0; i < 50 && !sawMilliseconds; ++i) {
        sawMilliseconds = DecodeDateTime(clock.Now()).millisecond != 0;
    }
    EXPECT_TRUE(sawMilliseconds);
}

}  // namespace
}  // namespace zarvik3
