#include "platform/posix/drive_map.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zarvik3 {
namespace {

using Text = std::optional<std::string>;

TEST(DriveMapLetters, CIsTheRootAndVolumesTakeFreeLettersFromD) {
    const DriveMap map({{'e', "/srv/backup/"}}, {"/media/me/A", "/media/me/B", "/srv/backup"});
    EXPECT_EQ(map.Root('C'), Text("/"));
    EXPECT_EQ(map.Root('d'), Text("/media/me/A"));
    EXPECT_EQ(map.Root('E'), Text("/srv/backup"));
    EXPECT_EQ(map.Root('F'), Text("/media/me/B"));
    // A volume with its own entry gets no second letter.
    EXPECT_EQ(map.Root('G'), std::nullopt);
    EXPECT_EQ(map.Root('?'), std::nullopt);
}

TEST(DriveMapLetters, ExplicitEntriesWinAndNonsenseIsIgnored) {
    const DriveMap map({{'C', "/home/me"}, {'D', "relative/path"}, {'5', "/x"}}, {});
    EXPECT_EQ(map.Root('C'), Text("/home/me"));
    EXPECT_EQ(map.Root('D'), std::nullopt);
}

TEST(DriveMapLetters, ARememberedLetterFollowsItsVolumeWhateverElseIsMounted) {
    // A stick that sorts first must not take over the letter of the backup disk.
    const DriveMap map({}, {{'D', "uuid:DISK"}},
                       {{"/media/me/AAA-STICK", "uuid:STICK"}, {"/media/me/DISK", "uuid:DISK"}});
    EXPECT_EQ(map.Root('D'), Text("/media/me/DISK"));
    EXPECT_EQ(map.Root('E'), Text("/media/me/AAA-STICK"));
    EXPECT_EQ(map.NewAssignments(), (std::map<char, std::string>{{'E', "uuid:STICK"}}));
}

TEST(DriveMapLetters, AnAbsentVolumeKeepsItsLetterFromOthers) {
    const DriveMap map({}, {{'d', "uuid:GONE"}, {'F', "uuid:STICK"}},
                       {{"/media/me/NEW", "uuid:NEW"}, {"/media/me/STICK", "uuid:STICK"}});
    EXPECT_EQ(map.Root('D'), std::nullopt);
    EXPECT_EQ(map.Root('E'), Text("/media/me/NEW"));
    EXPECT_EQ(map.Root('F'), Text("/media/me/STICK"));
}

TEST(DriveMapLetters, AnExplicitEntryWinsOverARememberedLetter) {
    const DriveMap map({{'D', "/srv/backup"}}, {{'D', "uuid:DISK"}},
                       {{"/media/me/DISK", "uuid:DISK"}});
    EXPECT_EQ(map.Root('D'), Text("/srv/backup"));
    EXPECT_EQ(map.Root('E'), Text("/media/me/DISK"));
}

TEST(DriveMapToNative, MapsFolderTexts) {
    const DriveMap map({{'E', "/media/me/BACKUP"}}, {});
    EXPECT_EQ(map.ToNative("C:\\Data\\x"), Text("/Data/x"));
    EXPECT_EQ(map.ToNative("c:/Data/x"), Text("/Data/x"));
    EXPECT_EQ(map.ToNative("C:"), Text("/"));
    EXPECT_EQ(map.ToNative("C:\\"), Text("/"));
    EXPECT_EQ(map.ToNative("C:\\Data\\x\\"), Text("/Data/x"));
    EXPECT_EQ(map.ToNative("E:\\"), Text("/media/me/BACKUP"));
    EXPECT_EQ(map.ToNative("e:\\a\\\\b"), Text("/media/me/BACKUP/a/b"));
}

TEST(DriveMapToNative, NeverLeavesTheVolumeOrMisreadsATruncatedText) {
    const DriveMap map({{'E', "/media/me/BACKUP"}}, {});
    EXPECT_EQ(map.ToNative("E:\\..\\..\\etc"), Text("/media/me/BACKUP/etc"));
    EXPECT_EQ(map.ToNative("E:\\a\\.\\..\\b"), Text("/media/me/BACKUP/b"));
    EXPECT_EQ(map.ToNative(std::string("C:\\Data\0x", 9)), std::nullopt);
}

TEST(DriveMapToNative, RejectsTextsWithoutAMappedLetter) {
    const DriveMap map({}, {});
    for (const char* text : {"\\\\server\\x", "", "Data", "C", "1:\\x", "Q:\\x", "C:Data"}) {
        EXPECT_EQ(map.ToNative(text), std::nullopt) << text;
    }
}

TEST(DriveMapToFolderText, UsesTheLongestMatchingRoot) {
    const DriveMap map({{'D', "/media/a"}, {'E', "/media/a/inner"}}, {});
    EXPECT_EQ(map.ToFolderText("/Data/x"), Text("C:\\Data\\x"));
    EXPECT_EQ(map.ToFolderText("/"), Text("C:\\"));
    EXPECT_EQ(map.ToFolderText("/media/a"), Text("D:\\"));
    EXPECT_EQ(map.ToFolderText("/media/a/b/"), Text("D:\\b"));
    EXPECT_EQ(map.ToFolderText("/media/a/inner/c"), Text("E:\\c"));
    EXPECT_EQ(map.ToFolderText("/media/ab"), Text("C:\\media\\ab"));
}

TEST(DriveMapToFolderText, RefusesWhatAFolderTextCannotHold) {
    const DriveMap map({}, {});
    EXPECT_EQ(map.ToFolderText("relative/x"), std::nullopt);
    EXPECT_EQ(map.ToFolderText("/data/a\\b"), std::nullopt);
    const DriveMap badEntry({{'C', "not-absolute"}}, {});
    EXPECT_EQ(badEntry.ToFolderText("/x"), Text("C:\\x"));
}

TEST(DriveMapToFolderText, RoundTripsThroughToNative) {
    const DriveMap map({{'D', "/mnt/disk"}}, {});
    for (const char* text : {"D:\\a\\b c\\d.txt", "C:\\usr\\share", "D:\\"}) {
        const auto native = map.ToNative(text);
        ASSERT_TRUE(native.has_value());
        EXPECT_EQ(map.ToFolderText(*native), Text(text));
    }
}

}  // namespace
}  // namespace zarvik3
