#include "copy/summary_text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zarvik3 {
namespace {

TEST(SizeText, KilobytesBelowAThousand) {
    EXPECT_EQ(SizeText(0), "0 KB");
    EXPECT_EQ(SizeText(999), "999 KB");
}

TEST(SizeText, MegabytesRoundHalfUpToOneDecimal) {
    EXPECT_EQ(SizeText(1000), "1.0 MB");
    EXPECT_EQ(SizeText(1049), "1.0 MB");
    EXPECT_EQ(SizeText(1050), "1.1 MB");
    EXPECT_EQ(SizeText(999949), "999.9 MB");
    EXPECT_EQ(SizeText(999950), "1000.0 MB");
}

TEST(SizeText, GigabytesFromAMillionOn) {
    EXPECT_EQ(SizeText(1000000), "1.0 GB");
    EXPECT_EQ(SizeText(1049999), "1.0 GB");
    EXPECT_EQ(SizeText(1050000), "1.1 GB");
}

TEST(SizeText, RunsBeyondTwoTerabytesKeepTheirSize) {
    // 2.2 TB does not fit 32 bits of kilobytes.
    EXPECT_EQ(SizeText(2200000000LL), "2200.0 GB");
    EXPECT_EQ(SizeText(INT64_MAX), "9223372036854.8 GB");
}

TEST(SummaryText, CountsAndSizeWithTwoBlanksBeforeTheSize) {
    EXPECT_EQ(SummaryText(0, 0, 0), "0 files copied, in all  0 KB");
    EXPECT_EQ(SummaryText(12, 2500, 0), "12 files copied, in all  2.5 MB");
}

TEST(SummaryText, FailedCopiesAreNamedAtTheEnd) {
    EXPECT_EQ(SummaryText(3, 7, 2), "3 files copied, in all  7 KB, 2 failed");
}

TEST(ElapsedText, UnderAnHourShowsMinutesSecondsMilliseconds) {
    EXPECT_EQ(ElapsedText(0), "Time: 0:00:000");
    EXPECT_EQ(ElapsedText(7), "Time: 0:00:007");
    EXPECT_EQ(ElapsedText(65 * 1000 + 42), "Time: 1:05:042");
    EXPECT_EQ(ElapsedText(3599999), "Time: 59:59:999");
}

TEST(ElapsedText, FromAnHourOnShowsTheHours) {
    EXPECT_EQ(ElapsedText(3600000), "Time: 1:00:00:000");
    EXPECT_EQ(ElapsedText((3600 + 2 * 60 + 5) * 1000), "Time: 1:02:05:000");
    EXPECT_EQ(ElapsedText(25 * 3600000LL + 123), "Time: 25:00:00:123");
}

TEST(ElapsedText, ClockSteppingBackShowsZero) {
    EXPECT_EQ(ElapsedText(-5000), "Time: 0:00:000");
}

}  // namespace
}  // namespace zarvik3
