#include <gtest/gtest.h>

#include <string>

#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

TEST(Drives, TextsThatAreNoRootHaveNoRoot) {
    ScratchVolume volume;
    for (const std::string root : {"", "C", "?", ":\\", "C:\\Data", "C:/", "1:\\", "CC:\\"}) {
        EXPECT_EQ(volume.DriveInfo().GetDriveType(root), kDriveNoRoot) << "'" << root << "'";
        EXPECT_EQ(volume.DriveInfo().DiskTotalSize(root), -1) << "'" << root << "'";
    }
}

TEST(Drives, TheSystemDriveIsFixedWithASizeInEitherSpelling) {
    if (!ScratchVolume::SystemOnLocalDisk()) GTEST_SKIP() << "the system is not on a local disk";
    ScratchVolume volume;
    const std::string root = ScratchVolume::SystemRoot();
    EXPECT_EQ(volume.DriveInfo().GetDriveType(root), kDriveFixed);
    std::string lower = root.substr(0, 2);
    lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
    EXPECT_EQ(volume.DriveInfo().GetDriveType(lower), kDriveFixed);
    EXPECT_GT(volume.DriveInfo().DiskTotalSize(root), 0);
    EXPECT_GT(volume.DriveInfo().DiskTotalSize(volume.Path().substr(0, 3)), 0);
}

TEST(Drives, FolderTextsAndNativePathsTranslateBothWays) {
    ScratchVolume volume;
    const auto native = volume.DriveInfo().ToNativePath(volume.Path("a\\b"));
    ASSERT_TRUE(native.has_value());
    EXPECT_EQ(volume.DriveInfo().ToFolderText(*native), volume.Path("a\\b"));
}

}  // namespace
}  // namespace zarvik3::test
