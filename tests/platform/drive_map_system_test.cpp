#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "platform/posix/drive_map.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

TEST(DriveMapSystemTest, DrivesSectionLettersBecomeRootsInEitherCase) {
    test::TempTree tree;
    tree.MakeFolder("backup");
    tree.Write("settings.ini", "[PlimoForm]\r\nT=/wrong\r\n[Drives]\r\nt=" +
                                   tree.Path("backup").string() + "\r\nS=/dev/shm\r\n");
    const DriveMap map = DriveMap::FromSystem(tree.Path("settings.ini").string());
    EXPECT_EQ(map.Root('T'), tree.Path("backup").string());
    EXPECT_EQ(map.Root('s'), "/dev/shm");
    EXPECT_EQ(map.Root('C'), "/");
    EXPECT_EQ(map.ToNative("T:\\x"), tree.Path("backup").string() + "/x");
}

TEST(DriveMapSystemTest, EntriesThatAreNoAbsolutePathAreIgnored) {
    test::TempTree tree;
    tree.Write("settings.ini", "[Drives]\r\nT=relative/path\r\nU=\r\nVW=/x\r\n");
    const DriveMap map = DriveMap::FromSystem(tree.Path("settings.ini").string());
    EXPECT_NE(map.Root('T'), "relative/path");
    EXPECT_NE(map.Root('V'), "/x");
    EXPECT_NE(map.Root('W'), "/x");
}

TEST(DriveMapSystemTest, AMissingOrBinarySettingsFileStillGivesC) {
    test::TempTree tree;
    EXPECT_EQ(DriveMap::FromSystem(tree.Path("none.ini").string()).Root('C'), "/");
    tree.Write("bad.ini", std::string("\0\xff[Drives\0]\r\nE=\xfe", 16));
    EXPECT_EQ(DriveMap::FromSystem(tree.Path("bad.ini").string()).Root('C'), "/");
}

TEST(DriveMapSystemTest, ThePlatformServicesShareOneDriveMap) {
    test::TempTree tree;
    tree.MakeFolder("data");
    tree.Write("settings.ini", "[Drives]\r\nT=" + tree.Root().string() + "\r\n[A]\r\nk=v\r\n");
    const Platform platform = CreatePlatform(tree.Path("settings.ini").string());
    EXPECT_EQ(platform.profiles->GetString("T:\\settings.ini", "A", "k", "", 2048), "v");
    EXPECT_TRUE(platform.fileSystem->DirectoryExists("T:\\data"));
    EXPECT_NE(platform.drives->GetDriveType("T:\\"), kDriveNoRoot);
    EXPECT_GT(platform.clock->Now(), 40000.0);
}

}  // namespace
}  // namespace zarvik3
