#include <gtest/gtest.h>

#include "text/text_helpers.h"

namespace zarvik3 {
namespace {

TEST(ExtractFieldsTest, SingleFieldsOfShortLists) {
    EXPECT_EQ(ExtractFields("22,519", ",", 1, 1), "22");
    EXPECT_EQ(ExtractFields("22,519", ",", 1, 2), "519");
    EXPECT_EQ(ExtractFields(".~|.bak", "|", 1, 1), ".~");
    EXPECT_EQ(ExtractFields(".~|.bak", "|", 1, 2), ".bak");
    EXPECT_EQ(ExtractFields(".bak|", "|", 1, 1), ".bak");
    EXPECT_EQ(ExtractFields(".bak|", "|", 1, 2), "");
    EXPECT_EQ(ExtractFields(".~|.bak|.tmp", "|", 1, 2), ".bak");
}

TEST(ExtractFieldsTest, TimePartOfDateTimeTexts) {
    EXPECT_EQ(ExtractFields("07.12.2026 14:05:09", " ", 1, 2), "14:05:09");
    EXPECT_EQ(ExtractFields("07.12.2026", " ", 1, 2), "");
    EXPECT_EQ(ExtractFields("12/7/2026 2:05:09 PM", " ", 1, 2), "2:05:09");
    EXPECT_EQ(ExtractFields("2026-12-07 PM 2:05:09", " ", 1, 2), "PM");
}

TEST(ExtractFieldsTest, PathPieces) {
    EXPECT_EQ(ExtractFields("C:\\Data\\Letters\\*.*", "*", 1, 1), "C:\\Data\\Letters\\");
    EXPECT_EQ(ExtractFields("C:\\Data\\Letters", "*", 1, 1), "C:\\Data\\Letters");
    EXPECT_EQ(ExtractFields("C:\\Documents and Settings\\User\\My Documents\\Letters", "\\", 1, 4),
              "My Documents");
    EXPECT_EQ(ExtractFields("C:\\Data\\Letters", "\\", 1, 4), "");
    EXPECT_EQ(
        ExtractFields("C:\\Documents and Settings\\User\\My Documents\\Letters\\", "\\", 9, 4),
        "My Documents\\Letters");
    EXPECT_EQ(ExtractFields("D:\\a\\b\\c\\d\\e\\f\\g\\h\\i\\j\\k\\l", "\\", 9, 4),
              "c\\d\\e\\f\\g\\h\\i\\j\\k");
}

TEST(ExtractFieldsTest, EmptyFieldsAndTrailingSeparators) {
    EXPECT_EQ(ExtractFields("a||b", "|", 2, 1), "a|");
    EXPECT_EQ(ExtractFields("a|", "|", 2, 1), "a");
    EXPECT_EQ(ExtractFields("a|", "|", 1, 2), "");
    EXPECT_EQ(ExtractFields("|", "|", 1, 1), "");
    EXPECT_EQ(ExtractFields("a|b|c", "|", 5, 2), "b|c");
    EXPECT_EQ(ExtractFields("a|b|c", "|", 2, 1), "a|b");
    EXPECT_EQ(ExtractFields("a|b|c", "|", 1, 4), "");
}

TEST(ExtractFieldsTest, DegenerateArguments) {
    EXPECT_EQ(ExtractFields("", "|", 1, 1), "");
    EXPECT_EQ(ExtractFields("abc", "|", 1, 1), "abc");
    EXPECT_EQ(ExtractFields("abc", "|", 1, 2), "");
    EXPECT_EQ(ExtractFields("a|b", "|", 0, 1), "");
    EXPECT_EQ(ExtractFields("a|b", "|", -3, 1), "");
    EXPECT_EQ(ExtractFields("a|b", "|", 1, 0), "");
    EXPECT_EQ(ExtractFields("a|b", "|", 1, -7), "");
    EXPECT_EQ(ExtractFields("a|b", "", 1, 1), "a|b");
    EXPECT_EQ(ExtractFields("a|b", "", 1, 2), "");
    EXPECT_EQ(ExtractFields("a|b|c", "|", INT32_MAX, 1), "a|b|c");
    EXPECT_EQ(ExtractFields("a|b|c", "|", 1, INT32_MAX), "");
}

TEST(ExtractFieldsTest, LongerSeparators) {
    EXPECT_EQ(ExtractFields("one::two::three", "::", 1, 2), "two");
    EXPECT_EQ(ExtractFields("one::two::three", "::", 2, 2), "two::three");
    EXPECT_EQ(ExtractFields("one::two::", "::", 5, 1), "one::two");
    EXPECT_EQ(ExtractFields("one:two", "::", 1, 1), "one:two");
    // Occurrences are found from the left, so "aaa" with "aa" is field "" then field "a".
    EXPECT_EQ(ExtractFields("aaa", "aa", 1, 2), "a");
}

TEST(ExtractFieldsTest, BytesAreComparedExactly) {
    EXPECT_EQ(ExtractFields("x\xC3\xA4y\xC3\xA4z", "\xC3\xA4", 1, 2), "y");
    EXPECT_EQ(ExtractFields("aXbxc", "x", 1, 1), "aXb");
    EXPECT_EQ(ExtractFields(std::string("a\0b", 3), std::string(1, '\0'), 1, 2), "b");
}

}  // namespace
}  // namespace zarvik3
