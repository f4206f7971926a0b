#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_profile_file.h"
#include "platform/posix/volume_key.h"
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
    const Platform platform = CreatePlatform(NativePath(tree.Path("settings.ini").string()));
    EXPECT_EQ(platform.profiles->GetString("T:\\settings.ini", "A", "k", "", 2048), "v");
    EXPECT_TRUE(platform.fileSystem->DirectoryExists("T:\\data"));
    EXPECT_NE(platform.drives->GetDriveType("T:\\"), kDriveNoRoot);
    EXPECT_GT(platform.clock->Now(), 40000.0);
}

TEST(DriveMapSystemTest, LettersAreRememberedAndAnAbsentVolumeKeepsItsOwn) {
    test::TempTree tree;
    tree.Write("settings.ini", "[Drives]\r\nVolume.D=uuid:not-plugged-in\r\n");
    const std::string settings = tree.Path("settings.ini").string();
    const DriveMap first = DriveMap::FromSystem(settings);
    EXPECT_EQ(first.Root('D'), std::nullopt);
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    for (const auto& [letter, key] : first.NewAssignments()) {
        const std::string name = std::string("Volume.") + letter;
        EXPECT_EQ(profiles.GetString(settings, "Drives", name, "", 4096), key);
    }
    const DriveMap second = DriveMap::FromSystem(settings);
    EXPECT_TRUE(second.NewAssignments().empty());
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        EXPECT_EQ(second.Root(letter), first.Root(letter)) << letter;
    }
}

TEST(DriveMapSystemTest, EachRefreshReadsTheDrivesAgain) {
    test::TempTree tree;
    tree.MakeFolder("disk");
    tree.Write("settings.ini", "");
    const Platform platform = CreatePlatform(NativePath(tree.Path("settings.ini").string()));
    EXPECT_EQ(platform.drives->GetDriveType("T:\\"), kDriveNoRoot);
    tree.Write("settings.ini", "[Drives]\r\nT=" + tree.Path("disk").string() + "\r\n");
    platform.conditions->Refresh();
    EXPECT_NE(platform.drives->GetDriveType("T:\\"), kDriveNoRoot);
    EXPECT_TRUE(platform.fileSystem->DirectoryExists("T:\\"));
    tree.Write("settings.ini", "");
    platform.conditions->Refresh();
    EXPECT_EQ(platform.drives->GetDriveType("T:\\"), kDriveNoRoot);
}

TEST(VolumeKeyTest, UuidThenNetworkSourceThenMountPoint) {
    test::TempTree tree;
    tree.Write("sdb1", "");
    tree.MakeFolder("by-uuid");
    std::filesystem::create_symlink("../sdb1", tree.Path("by-uuid/1234-ABCD"));
    const auto uuids = UuidsOfDevices(tree.Path("by-uuid").string());
    EXPECT_EQ(VolumeKey({tree.Path("sdb1").string(), "/media/me/X", "vfat"}, uuids),
              "uuid:1234-ABCD");
    EXPECT_EQ(VolumeKey({"server:/export", "/mnt/nfs", "nfs"}, uuids), "source:server:/export");
    EXPECT_EQ(VolumeKey({"/dev/sdz9", "/media/me/Y", "ext4"}, uuids), "mount:/media/me/Y");
    EXPECT_TRUE(UuidsOfDevices(tree.Path("none").string()).empty());
}

}  // namespace
}  // namespace zarvik3
