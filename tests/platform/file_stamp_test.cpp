#include "platform/file_stamp.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>

namespace zarvik3 {
namespace {

std::int64_t WallClock(int year, int month, int day, int hour, int minute, int second) {
    std::tm wall{};
    wall.tm_year = year - 1900;
    wall.tm_mon = month - 1;
    wall.tm_mday = day;
    wall.tm_hour = hour;
    wall.tm_min = minute;
    wall.tm_sec = second;
#ifdef _WIN32
    return _mkgmtime(&wall);
#else
    return timegm(&wall);
#endif
}

TEST(FileStamp, FloorsToEvenSecondsAlsoBefore1970) {
    EXPECT_EQ(StampFromLocalSeconds(0), 0);
    EXPECT_EQ(StampFromLocalSeconds(3), 2);
    EXPECT_EQ(StampFromLocalSeconds(-1), -2);
    EXPECT_EQ(StampFromLocalSeconds(-3), -4);
    // So no file's stamp can be mistaken for "no file".
    EXPECT_NE(StampFromLocalSeconds(-1), kNoFile);
}

TEST(FileStamp, PacksDateAndTimeFields) {
    const auto packed = StampToDosDateTime(StampFromLocalSeconds(WallClock(2021, 3, 4, 5, 6, 7)));
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(*packed >> 16, (41u << 9) | (3u << 5) | 4u);
    EXPECT_EQ(*packed & 0xffff, (5u << 11) | (6u << 5) | 3u);
}

TEST(FileStamp, PackedFormCoversOnly1980To2107) {
    EXPECT_EQ(StampToDosDateTime(WallClock(1980, 1, 1, 0, 0, 0)), 0x00210000u);
    EXPECT_TRUE(StampToDosDateTime(WallClock(2107, 12, 31, 23, 59, 58)).has_value());
    EXPECT_FALSE(StampToDosDateTime(WallClock(1979, 12, 31, 23, 59, 58)).has_value());
    EXPECT_FALSE(StampToDosDateTime(WallClock(2108, 1, 1, 0, 0, 0)).has_value());
    EXPECT_FALSE(StampToDosDateTime(StampFromLocalSeconds(-86401)).has_value());
}

TEST(FileStamp, OrdersExactlyAsThePackedForm) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> seconds(WallClock(1980, 1, 1, 0, 0, 0),
                                                        WallClock(2107, 12, 31, 23, 59, 59));
    for (int i = 0; i < 20000; ++i) {
        const FileStamp a = StampFromLocalSeconds(seconds(random));
        // Neighbours as well as far-apart pairs.
        const FileStamp b = i % 2 ? StampFromLocalSeconds(seconds(random)) : a + 2 * (i % 7);
        const auto packedA = StampToDosDateTime(a);
        const auto packedB = StampToDosDateTime(b);
        if (!packedA || !packedB) continue;
        ASSERT_EQ(a < b, *packedA < *packedB) << a << " " << b;
        ASSERT_EQ(a == b, *packedA == *packedB) << a << " " << b;
    }
}

TEST(FileStamp, DateTimeCountsDaysFrom1899) {
    EXPECT_DOUBLE_EQ(StampToDateTime(0), 25569.0);
    EXPECT_DOUBLE_EQ(StampToDateTime(86400 + 43200), 25570.5);
    EXPECT_DOUBLE_EQ(StampToDateTime(-86400), 25568.0);
}

}  // namespace
}  // namespace zarvik3
