#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "support/temp_drive.h"

namespace zarvik3::test {
namespace {

TEST(PosixFolders, NewFoldersAreNoMoreOpenThanTheirModels) {
    TempDrive drive;
    drive.tree.MakeFolder("src/a/b");
    ASSERT_EQ(chmod(drive.tree.Path("src/a").c_str(), 0750), 0);
    ASSERT_EQ(chmod(drive.tree.Path("src/a/b").c_str(), 0700), 0);
    ASSERT_TRUE(ForceDirectories(drive.fs, "D:\\top\\a\\b", "D:\\src\\a\\b", 1).ok);
    const auto bits = [&](const char* path) {
        struct stat status {};
        stat(drive.tree.Path(path).c_str(), &status);
        return status.st_mode & 07777;
    };
    EXPECT_EQ(bits("top/a/b"), 0700u);
    EXPECT_EQ(bits("top/a"), 0750u);
    EXPECT_EQ(bits("top"), 0700u);  // above the copied tree: the user's own
}

TEST(PosixFolders, FailuresTellTheSystemsReasonAndLinksAreSeenThrough) {
    TempDrive drive;
    drive.tree.MakeFolder("a");
    EXPECT_EQ(drive.fs.CreateDirectory("D:\\a", "").reason, "File exists");
    EXPECT_EQ(drive.fs.CreateDirectory("D:\\missing\\deeper", "").reason,
              "No such file or directory");
    ASSERT_EQ(symlink("a", drive.tree.Path("link").c_str()), 0);
    EXPECT_TRUE(drive.fs.SameFolder("D:\\a", "D:\\link"));
    EXPECT_TRUE(drive.fs.SameFolder("D:\\", "D:"));
    EXPECT_FALSE(drive.fs.FileExists("Q:\\a"));
}

}  // namespace
}  // namespace zarvik3::test
