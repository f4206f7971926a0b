#include <gtest/gtest.h>

#include "text/date_time_text.h"
#include "text/text_helpers.h"

namespace zarvik3 {
namespace {

std::string WithBackslash(std::string path) {
    EnsureTrailingBackslash(path);
    return path;
}

TEST(EnsureTrailingBackslashTest, LooksOnlyAtTheLastCharacter) {
    EXPECT_EQ(WithBackslash(""), "\\");
    EXPECT_EQ(WithBackslash("C:"), "C:\\");
    EXPECT_EQ(WithBackslash("C:\\Data\\"), "C:\\Data\\");
    EXPECT_EQ(WithBackslash("C:\\Data\\\\"), "C:\\Data\\\\");
    EXPECT_EQ(WithBackslash("C:/Data/"), "C:/Data/\\");
}

TEST(WeekdayNameTest, EnglishNamesAfterRounding) {
    EXPECT_EQ(WeekdayName(0), "Saturday");
    EXPECT_EQ(WeekdayName(2), "Monday");
    EXPECT_EQ(WeekdayName(2.9999999999), "Tuesday");
    EXPECT_EQ(WeekdayName(1), "Sunday");
    EXPECT_EQ(WeekdayName(-1.5), "Friday");
    EXPECT_EQ(WeekdayName(46363.75), "Monday");  // 7 December 2026
    EXPECT_EQ(WeekdayName(-693593), "Monday");   // 1 January of year 1
}

TEST(TrimControlsTest, RemovesBlanksAndControlsAtBothEnds) {
    EXPECT_EQ(TrimControls(" \t\r\n value \x01"), "value");
    EXPECT_EQ(TrimControls("a b"), "a b");
    EXPECT_EQ(TrimControls("  \t "), "");
    EXPECT_EQ(TrimControls(""), "");
    EXPECT_EQ(TrimControls(std::string("\0x\0", 3)), "x");
    // Bytes of UTF-8 characters are above 127 and stay.
    EXPECT_EQ(TrimControls(" \xC3\xA9t\xC3\xA9 "), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(TrimControls("\xA0"), "\xA0");
}

TEST(StrToIntTest, ReadsSignedDecimals) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("519"), 519);
    EXPECT_EQ(StrToInt("  -22"), -22);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("000000000000000000001"), 1);
}

void ExpectNotAnInteger(const std::string& text) {
    try {
        StrToInt(text);
        ADD_FAILURE() << "'" << text << "' was accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
}

TEST(StrToIntTest, RejectsEverythingElse) {
    ExpectNotAnInteger("");
    ExpectNotAnInteger("   ");
    ExpectNotAnInteger("-");
    ExpectNotAnInteger("+-1");
    ExpectNotAnInteger("12 ");
    ExpectNotAnInteger("12a");
    ExpectNotAnInteger("1.5");
    ExpectNotAnInteger("0x10");
    ExpectNotAnInteger("- 1");
    ExpectNotAnInteger("\t1");
    ExpectNotAnInteger("2147483648");
    ExpectNotAnInteger("-2147483649");
    ExpectNotAnInteger("99999999999999999999999");
}

}  // namespace
}  // namespace zarvik3
