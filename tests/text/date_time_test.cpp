#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "text/date_time.h"

namespace zarvik3 {
namespace {

DateTimeParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return DateTimeParts{y, mo, d, h, mi, s, ms};
}

void ExpectParts(const DateTimeParts& actual, const DateTimeParts& expected) {
    EXPECT_EQ(actual.year, expected.year);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.hour, expected.hour);
    EXPECT_EQ(actual.minute, expected.minute);
    EXPECT_EQ(actual.second, expected.second);
    EXPECT_EQ(actual.millisecond, expected.millisecond);
}

TEST(DateTimeTest, KnownSerialNumbers) {
    ExpectParts(DecodeDateTime(0), Parts(1899, 12, 30));
    ExpectParts(DecodeDateTime(2), Parts(1900, 1, 1));
    ExpectParts(DecodeDateTime(46363.5), Parts(2026, 12, 7, 12));
    EXPECT_DOUBLE_EQ(EncodeDateTime(Parts(2026, 12, 7, 6)), 46363.25);
    EXPECT_DOUBLE_EQ(EncodeDateTime(Parts(1, 1, 1)), -693593);
    EXPECT_DOUBLE_EQ(EncodeDateTime(Parts(9999, 12, 31)), 2958465);
}

TEST(DateTimeTest, RoundsToWholeMillisecondsBeforeTakingApart) {
    ExpectParts(DecodeDateTime(2.9999999999), Parts(1900, 1, 2));
    EXPECT_EQ(DayNumber(2.9999999999), 3);
    // Just under half a millisecond past midnight stays at midnight.
    ExpectParts(DecodeDateTime(3 + 0.49 / 86400000.0), Parts(1900, 1, 2));
    ExpectParts(DecodeDateTime(3 + 0.51 / 86400000.0), Parts(1900, 1, 2, 0, 0, 0, 1));
    ExpectParts(DecodeDateTime(46363 + 0.999 / 86400.0), Parts(2026, 12, 7, 0, 0, 0, 999));
}

TEST(DateTimeTest, ValuesBeforeTheEpochKeepAForwardTimeOfDay) {
    ExpectParts(DecodeDateTime(-1.25), Parts(1899, 12, 29, 6));
    EXPECT_DOUBLE_EQ(EncodeDateTime(Parts(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(DayNumber(-1.25), -1);
    const TDateTime early = EncodeDateTime(Parts(1, 1, 1, 23, 59, 59, 999));
    ExpectParts(DecodeDateTime(early), Parts(1, 1, 1, 23, 59, 59, 999));
}

TEST(DateTimeTest, EveryDayFollowsTheDayBefore) {
    DateTimeParts previous = DecodeDateTime(-693593);
    ExpectParts(previous, Parts(1, 1, 1));
    for (std::int64_t day = -693592; day <= 2958465; ++day) {
        const DateTimeParts next = DecodeDateTime(static_cast<TDateTime>(day));
        const bool sameMonth = next.year == previous.year && next.month == previous.month &&
                               next.day == previous.day + 1;
        const bool newMonth =
            next.day == 1 && (next.month == previous.month + 1 ||
                              (next.month == 1 && next.year == previous.year + 1));
        ASSERT_TRUE(sameMonth || newMonth) << "day " << day;
        ASSERT_TRUE(IsValidDate(next.year, next.month, next.day)) << "day " << day;
        ASSERT_DOUBLE_EQ(EncodeDateTime(next), static_cast<TDateTime>(day)) << "day " << day;
        previous = next;
    }
    ExpectParts(previous, Parts(9999, 12, 31));
}

TEST(DateTimeTest, ValidDatesFollowTheGregorianLeapRules) {
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_FALSE(IsValidDate(2026, 2, 29));
    EXPECT_FALSE(IsValidDate(2026, 4, 31));
    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_FALSE(IsValidDate(2026, 13, 1));
}

TEST(DateTimeTest, EncodingRejectsImpossibleParts) {
    EXPECT_THROW(EncodeDateTime(Parts(2026, 2, 30)), std::invalid_argument);
    EXPECT_THROW(EncodeDateTime(Parts(2026, 1, 1, 24)), std::invalid_argument);
    EXPECT_THROW(EncodeDateTime(Parts(2026, 1, 1, 0, 0, 0, 1000)), std::invalid_argument);
    EXPECT_THROW(EncodeDateTime(Parts(2026, 1, 1, -1)), std::invalid_argument);
}

TEST(DateTimeTest, ValuesOutsideTheCalendarAreHeldAtItsEnds) {
    ExpectParts(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()), Parts(1899, 12, 30));
    ExpectParts(DecodeDateTime(1e300), Parts(9999, 12, 31, 23, 59, 59, 999));
    ExpectParts(DecodeDateTime(-1e300), Parts(1, 1, 1, 23, 59, 59, 999));
    ExpectParts(DecodeDateTime(std::numeric_limits<double>::infinity()),
                Parts(9999, 12, 31, 23, 59, 59, 999));
    EXPECT_EQ(DayOfWeek(-1e300), 2);
}

}  // namespace
}  // namespace zarvik3
