#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/faulty_file_system.h"
#include "support/temp_drive.h"

namespace zarvik3::test {
namespace {

class FolderOperations : public ::testing::Test {
  protected:
    FolderOperations() {
        // Passes through, noting the order of the calls.
        faulty.failCreateDirectory = [this](const std::string& path) {
            created.push_back(path);
            return false;
        };
    }

    TempDrive drive;
    FaultyFileSystem faulty{drive.fs};
    std::vector<std::string> created;
};

TEST_F(FolderOperations, ForceDirectoriesCreatesOutermostFirst) {
    drive.tree.MakeFolder("a");
    EXPECT_TRUE(ForceDirectories(faulty, "D:\\a\\b\\c\\").ok);
    EXPECT_EQ(created, (std::vector<std::string>{"D:\\a\\b", "D:\\a\\b\\c"}));
    EXPECT_TRUE(drive.fs.DirectoryExists("D:\\a\\b\\c"));
}

TEST_F(FolderOperations, ForceDirectoriesTakesRootsAndExistingFoldersAsDone) {
    drive.tree.MakeFolder("here");
    for (const char* path : {"D:\\", "D:", "", "D:\\here", "D:\\here\\\\"}) {
        EXPECT_TRUE(ForceDirectories(faulty, path).ok) << path;
    }
    EXPECT_TRUE(created.empty());
}

TEST_F(FolderOperations, ForceDirectoriesStopsAtTheFirstFailure) {
    drive.tree.Write("file", "");
    EXPECT_EQ(ForceDirectories(faulty, "D:\\file\\sub\\deeper").reason, "File exists");
    EXPECT_EQ(created, std::vector<std::string>{"D:\\file"});
    faulty.failCreateDirectory = [](const std::string&) { return true; };
    EXPECT_FALSE(ForceDirectories(faulty, "D:\\x\\y").ok);
    EXPECT_FALSE(drive.tree.Exists("x"));
}

TEST_F(FolderOperations, NewFoldersAreNoMoreOpenThanTheirModels) {
    drive.tree.MakeFolder("src/a/b");
    ASSERT_EQ(chmod(drive.tree.Path("src/a").c_str(), 0750), 0);
    ASSERT_EQ(chmod(drive.tree.Path("src/a/b").c_str(), 0700), 0);
    ASSERT_TRUE(ForceDirectories(drive.fs, "D:\\top\\a\\b", "D:\\src\\a\\b", 1).ok);
    const auto bits = [this](const char* path) {
        struct stat status {};
        stat(drive.tree.Path(path).c_str(), &status);
        return status.st_mode & 07777;
    };
    EXPECT_EQ(bits("top/a/b"), 0700u);
    EXPECT_EQ(bits("top/a"), 0750u);
    EXPECT_EQ(bits("top"), 0700u);  // above the copied tree: the user's own
}

TEST_F(FolderOperations, FileAgeAndDirectoryExistsTellFilesFromFolders) {
    drive.tree.Write("file", "", 1600000000);
    drive.tree.MakeFolder("folder");
    EXPECT_NE(drive.fs.FileAge("D:\\file"), kNoFile);
    EXPECT_TRUE(drive.fs.FileExists("D:\\file"));
    EXPECT_EQ(drive.fs.FileAge("D:\\folder"), kNoFile);
    EXPECT_EQ(drive.fs.FileAge("D:\\missing"), kNoFile);
    EXPECT_EQ(drive.fs.FileAge("Q:\\file"), kNoFile);
    EXPECT_TRUE(drive.fs.DirectoryExists("D:\\folder\\"));
    EXPECT_FALSE(drive.fs.DirectoryExists("D:\\file"));
    EXPECT_EQ(drive.fs.CreateDirectory("D:\\folder", "").reason, "File exists");
    EXPECT_EQ(drive.fs.CreateDirectory("D:\\missing\\deeper", "").reason,
              "No such file or directory");
}

TEST_F(FolderOperations, SameFolderSeesThroughSpellingAndLinks) {
    drive.tree.MakeFolder("a");
    drive.tree.MakeFolder("b");
    drive.tree.Write("f", "");
    ASSERT_EQ(symlink("a", drive.tree.Path("link").c_str()), 0);
    EXPECT_TRUE(drive.fs.SameFolder("D:\\a", "D:\\b\\..\\a\\"));
    EXPECT_TRUE(drive.fs.SameFolder("D:\\a", "D:\\link"));
    EXPECT_TRUE(drive.fs.SameFolder("D:\\", "D:"));
    EXPECT_FALSE(drive.fs.SameFolder("D:\\a", "D:\\b"));
    EXPECT_FALSE(drive.fs.SameFolder("D:\\f", "D:\\f"));
    EXPECT_FALSE(drive.fs.SameFolder("D:\\missing", "D:\\missing"));
}

TEST_F(FolderOperations, SetCurrentDirectoryChangesTheProcessFolder) {
    const auto before = std::filesystem::current_path();
    drive.tree.MakeFolder("work");
    EXPECT_FALSE(drive.fs.SetCurrentDirectory("D:\\missing"));
    ASSERT_TRUE(drive.fs.SetCurrentDirectory("D:\\work"));
    const auto now = std::filesystem::current_path();
    std::filesystem::current_path(before);
    EXPECT_TRUE(std::filesystem::equivalent(now, drive.tree.Path("work")));
}

}  // namespace
}  // namespace zarvik3::test
