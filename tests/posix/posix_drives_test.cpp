#include <gtest/gtest.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/drive_map.h"
#include "platform/posix/posix_drives.h"
#include "platform/posix/volume_type.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

constexpr long kTmpfsMagic = 0x01021994;

class DriveTypeTest : public ::testing::Test {
  protected:
    PosixDrives With(std::map<char, std::string> roots) {
        return PosixDrives(
            std::make_shared<const DriveMap>(std::move(roots), std::vector<std::string>{}));
    }

    test::TempTree tree;
};

bool IsTmpfs(const std::string& path) {
    struct statfs volume {};
    return statfs(path.c_str(), &volume) == 0 && volume.f_type == kTmpfsMagic;
}

TEST_F(DriveTypeTest, AnUnmappedLetterHasNoRoot) {
    PosixDrives drives = With({});
    EXPECT_EQ(drives.GetDriveType("Q:\\"), kDriveNoRoot);
    EXPECT_EQ(drives.GetDriveType("q:"), kDriveNoRoot);
    EXPECT_EQ(drives.DiskTotalSize("Q:\\"), -1);
}

TEST_F(DriveTypeTest, ALetterWhoseFolderIsGoneOrAFileHasNoRoot) {
    tree.MakeFolder("gone");
    tree.Write("file", "x");
    PosixDrives drives =
        With({{'G', tree.Path("gone").string()}, {'F', tree.Path("file").string()}});
    std::filesystem::remove(tree.Path("gone"));
    EXPECT_EQ(drives.GetDriveType("G:\\"), kDriveNoRoot);
    EXPECT_EQ(drives.GetDriveType("F:\\"), kDriveNoRoot);
    EXPECT_EQ(drives.DiskTotalSize("G:\\"), -1);
}

TEST_F(DriveTypeTest, ALetterOnTmpfsIsARamDisk) {
    if (!IsTmpfs("/dev/shm")) GTEST_SKIP() << "/dev/shm is not a tmpfs here";
    PosixDrives drives = With({{'R', "/dev/shm"}});
    EXPECT_EQ(drives.GetDriveType("R:\\"), kDriveRamDisk);
    EXPECT_GT(drives.DiskTotalSize("r:\\"), 0);
}

TEST_F(DriveTypeTest, AFolderDeepInsideAVolumeIsSizedAsThatVolume) {
    tree.MakeFolder("inner/deeper");
    PosixDrives drives = With({{'T', tree.Path("inner/deeper").string()}});
    struct statvfs volume {};
    ASSERT_EQ(statvfs(tree.Root().c_str(), &volume), 0);
    EXPECT_EQ(drives.DiskTotalSize("T:\\"),
              static_cast<std::int64_t>(volume.f_blocks * volume.f_frsize));
}

TEST_F(DriveTypeTest, PathsAreTranslatedThroughTheDriveMap) {
    PosixDrives drives = With({{'T', tree.Root().string()}});
    EXPECT_EQ(drives.ToNativePath("T:\\a\\b"), NativePath(tree.Root().string() + "/a/b"));
    EXPECT_EQ(drives.ToFolderText(NativePath(tree.Root().string() + "/a")), "T:\\a");
    EXPECT_EQ(drives.ToNativePath("Q:\\a"), std::nullopt);
}

TEST(FileSystemNameTest, NamesDecideRamNetworkAndCdDrives) {
    EXPECT_EQ(DriveTypeOfFileSystemName("ramfs"), kDriveRamDisk);
    for (const char* name : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p"}) {
        EXPECT_EQ(DriveTypeOfFileSystemName(name), kDriveRemote) << name;
    }
    EXPECT_EQ(DriveTypeOfFileSystemName("iso9660"), kDriveCdRom);
    EXPECT_EQ(DriveTypeOfFileSystemName("udf"), kDriveCdRom);
    EXPECT_EQ(DriveTypeOfFileSystemName("ext4"), kDriveUnknown);
    EXPECT_EQ(DriveTypeOfFileSystemName("fuse"), kDriveUnknown);
    EXPECT_EQ(DriveTypeOfFileSystemMagic(0xFF534D42), kDriveRemote);
}

TEST(FileSystemNameTest, OnlyMediaFoldersCountAsMedia) {
    EXPECT_TRUE(IsMediaFolder("/media/me/USB"));
    EXPECT_TRUE(IsMediaFolder("/run/media/me/USB"));
    EXPECT_FALSE(IsMediaFolder("/mediaplayer/x"));
    EXPECT_FALSE(IsMediaFolder("/mnt/disk"));
}

}  // namespace
}  // namespace zarvik3
