#include <gtest/gtest.h>

#include <string>

#include "window/folder_text.h"

namespace zarvik3 {
namespace {

TEST(SamePathText, RepeatsTheFromPathOnTheToDrive) {
    EXPECT_EQ(SamePathText("C:\\Data\\Projects", "E:\\Backup"), "E:\\Data\\Projects");
    EXPECT_EQ(SamePathText("C:\\Data\\Projects\\", "E:\\"), "E:\\Data\\Projects\\");
    EXPECT_EQ(SamePathText("C:\\Data\\Projects", ""), "X:\\Data\\Projects");
    EXPECT_EQ(SamePathText("C:\\Data\\Projects", "Backup"), "X:\\Data\\Projects");
    EXPECT_EQ(SamePathText("C:\\", "E:\\Backup"), "E:\\");
}

TEST(SamePathText, DropsTheProfileFoldersOfAProfilePath) {
    EXPECT_EQ(SamePathText("C:\\Users\\owner\\Documents\\Work", "E:\\Backup"),
              "E:\\Documents\\Work\\");
    EXPECT_EQ(SamePathText("C:\\Users\\owner\\Documents\\", "E:\\Backup"), "E:\\Documents\\");
    EXPECT_EQ(SamePathText("C:\\Documents and Settings\\owner\\My Documents", "E:\\Backup"),
              "E:\\My Documents\\");
    // Without a fourth field the profile path is taken like any other.
    EXPECT_EQ(SamePathText("C:\\Users\\owner", "E:\\Backup"), "E:\\Users\\owner");
    EXPECT_EQ(SamePathText("C:\\Users\\owner\\", "E:\\Backup"), "E:\\Users\\owner\\");
}

TEST(SamePathText, KeepsOnlyFieldsFourToTwelveOfADeepProfilePath) {
    EXPECT_EQ(SamePathText("C:\\Users\\owner\\a\\b\\c\\d\\e\\f\\g\\h\\i\\j", "E:\\"),
              "E:\\a\\b\\c\\d\\e\\f\\g\\h\\i\\");
}

TEST(SamePathText, RecognisesProfilePathsCaseSensitivelyAtTheirExactPlace) {
    EXPECT_EQ(SamePathText("c:\\users\\owner\\Documents", "E:\\"), "E:\\users\\owner\\Documents");
    EXPECT_EQ(SamePathText("C:\\Documents and settings\\o\\d", "E:\\"),
              "E:\\Documents and settings\\o\\d");
    EXPECT_EQ(SamePathText("C:\\\\Users\\owner\\Docs", "E:\\"), "E:\\\\Users\\owner\\Docs");
    EXPECT_EQ(SamePathText("C:\\User", "E:\\"), "E:\\User");
    // Only the characters 4 to 8 count: a longer name that starts with them matches too.
    EXPECT_EQ(SamePathText("C:\\Usersdata\\x\\y", "E:\\"), "E:\\y\\");
}

TEST(SamePathText, CutsALongPathAfterItsHundredAndSecondCharacter) {
    const std::string tail(99, 'a');
    EXPECT_EQ(SamePathText("C:\\" + tail + "bcd", "E:\\"), "E:\\" + tail);
    EXPECT_EQ(SamePathText("C:\\" + tail, "E:\\"), "E:\\" + tail);
}

TEST(SamePathText, NeverCutsInsideAMultiByteCharacter) {
    const std::string head(98, 'a');
    const std::string umlaut = "\xC3\xBC";  // two bytes, the second would be the 103rd
    EXPECT_EQ(SamePathText("C:\\" + head + umlaut + "z", "E:\\"), "E:\\" + head);
    // A character ending exactly at the 102nd byte stays whole.
    const std::string euro = "\xE2\x82\xAC";
    EXPECT_EQ(SamePathText("C:\\" + std::string(96, 'a') + euro + "z", "E:\\"),
              "E:\\" + std::string(96, 'a') + euro);
}

TEST(SamePathText, TakesTheFirstThreeCharactersOfAToTextHoldingADriveSeparator) {
    EXPECT_EQ(SamePathText("C:\\Data", "Backup on E:\\"), "BacData");
    EXPECT_EQ(SamePathText("C:\\Data", "E:Backup"), "X:\\Data");
    EXPECT_EQ(SamePathText("C:\\Data", "\xC3\xA9:\\x"), "\xC3\xA9:Data");
}

}  // namespace
}  // namespace zarvik3
