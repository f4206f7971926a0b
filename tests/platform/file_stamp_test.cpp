#include "platform/file_stamp.h"

#include <gtest/gtest.h>

namespace zarvik3 {
namespace {

TEST(FileStamp, FloorsToEvenSecondsAlsoBefore1970) {
    EXPECT_EQ(StampFromLocalSeconds(0), 0);
    EXPECT_EQ(StampFromLocalSeconds(3), 2);
    EXPECT_EQ(StampFromLocalSeconds(-1), -2);
    EXPECT_EQ(StampFromLocalSeconds(-3), -4);
    // So no file's stamp can be mistaken for "no file".
    EXPECT_NE(StampFromLocalSeconds(-1), kNoFile);
}

TEST(FileStamp, DateTimeCountsDaysFrom1899) {
    EXPECT_DOUBLE_EQ(StampToDateTime(0), 25569.0);
    EXPECT_DOUBLE_EQ(StampToDateTime(86400 + 43200), 25570.5);
    EXPECT_DOUBLE_EQ(StampToDateTime(-86400), 25568.0);
}

}  // namespace
}  // namespace zarvik3
