#include <gtest/gtest.h>

#include "text/text_helpers.h"

namespace zarvik3 {
namespace {

// "C:\Ünïcødé": Ü ï ø é take two bytes each, so the text is 14 bytes long.
const std::string kPath =
    "C:\\\xC3\x9Cn\xC3\xAF"
    "c\xC3\xB8"
    "d\xC3\xA9";
// "a€b": the euro sign takes three bytes.
const std::string kEuro =
    "a\xE2\x82\xAC"
    "b";

TEST(CopyCharsTest, CopiesPlainBytesByPosition) {
    EXPECT_EQ(CopyChars("abcdef", 2, 3), "bcd");
    EXPECT_EQ(CopyChars("abcdef", 1, 100), "abcdef");
    EXPECT_EQ(CopyChars("abcdef", 6, 1), "f");
    EXPECT_EQ(CopyChars("abcdef", 7, 1), "");
    EXPECT_EQ(CopyChars("", 1, 1), "");
}

TEST(CopyCharsTest, OutOfRangeArgumentsAreSafe) {
    EXPECT_EQ(CopyChars("abc", 0, 2), "ab");
    EXPECT_EQ(CopyChars("abc", -100, 2), "ab");
    EXPECT_EQ(CopyChars("abc", 1, 0), "");
    EXPECT_EQ(CopyChars("abc", 1, -1), "");
    EXPECT_EQ(CopyChars("abc", INT64_MAX, INT64_MAX), "");
    EXPECT_EQ(CopyChars("abc", 2, INT64_MAX), "bc");
    EXPECT_EQ(CopyChars("abc", INT64_MIN, INT64_MAX), "abc");
}

TEST(CopyCharsTest, EndInsideACharacterLeavesItOut) {
    EXPECT_EQ(CopyChars(kPath, 1, 4), "C:\\");          // ends inside Ü
    EXPECT_EQ(CopyChars(kPath, 1, 5), "C:\\\xC3\x9C");  // ends right after Ü
    EXPECT_EQ(CopyChars(kEuro, 1, 2), "a");
    EXPECT_EQ(CopyChars(kEuro, 1, 3), "a");
    EXPECT_EQ(CopyChars(kEuro, 1, 4), "a\xE2\x82\xAC");
}

TEST(CopyCharsTest, StartInsideACharacterSkipsIt) {
    EXPECT_EQ(CopyChars(kPath, 5, 3), "n");  // and ends inside ï
    EXPECT_EQ(CopyChars(kPath, 5, 4), "n\xC3\xAF");
    EXPECT_EQ(CopyChars(kEuro, 3, 3), "b");
    EXPECT_EQ(CopyChars(kEuro, 4, 2), "b");
    EXPECT_EQ(CopyChars(kEuro, 4, 1), "");
    EXPECT_EQ(CopyChars(kEuro, 3, 1), "");  // nothing left once the euro sign is skipped
    EXPECT_EQ(CopyChars("\xC3\x9C", 1, 1), "");
}

TEST(CopyCharsTest, FourByteCharacters) {
    const std::string clef = "x\xF0\x9D\x84\x9Ey";  // U+1D11E
    for (int count = 1; count <= 4; ++count) EXPECT_EQ(CopyChars(clef, 1, count), "x");
    EXPECT_EQ(CopyChars(clef, 1, 5), "x\xF0\x9D\x84\x9E");
    for (int first = 3; first <= 5; ++first) EXPECT_EQ(CopyChars(clef, first, 9), "y");
}

TEST(CopyCharsTest, InvalidBytesCountAsSingleCharacters) {
    EXPECT_EQ(CopyChars("a\x9C"
                        "b",
                        2, 1),
              "\x9C");  // stray continuation byte
    EXPECT_EQ(CopyChars("a\xC3"
                        "b",
                        1, 2),
              "a\xC3");  // lead without continuation
    EXPECT_EQ(CopyChars("a\xC0\xAF"
                        "b",
                        1, 2),
              "a\xC0");  // overlong form
    EXPECT_EQ(CopyChars("a\xED\xA0\x80"
                        "b",
                        1, 3),
              "a\xED\xA0");                          // surrogate
    EXPECT_EQ(CopyChars("\xE2\x82", 1, 1), "\xE2");  // truncated at the end
}

TEST(CopyCharsTest, NeverSplitsAValidCharacter) {
    const std::string text = kPath + kEuro + "\xF0\x9D\x84\x9E" + kPath;
    for (std::int64_t first = 1; first <= static_cast<std::int64_t>(text.size()); ++first) {
        for (std::int64_t count = 1; first + count - 1 <= static_cast<std::int64_t>(text.size());
             ++count) {
            const std::string piece = CopyChars(text, first, count);
            ASSERT_LE(piece.size(), static_cast<std::size_t>(count));
            const std::size_t at = text.find(piece, static_cast<std::size_t>(first - 1));
            ASSERT_NE(at, std::string::npos);
            if (piece.empty()) continue;
            ASSERT_NE(static_cast<unsigned char>(piece.front()) & 0xC0, 0x80)
                << first << "," << count;
            const auto last = static_cast<unsigned char>(piece.back());
            ASSERT_TRUE(last < 0x80 || (last & 0xC0) == 0x80) << first << "," << count;
        }
    }
}

}  // namespace
}  // namespace zarvik3
