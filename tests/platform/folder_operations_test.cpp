#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/faulty_file_system.h"
#include "support/scratch_volume.h"

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
    std::string At(const std::string& relative) const { return volume.Path(relative); }

    ScratchVolume volume;
    FaultyFileSystem faulty{volume.Files()};
    std::vector<std::string> created;
};

TEST_F(FolderOperations, ForceDirectoriesCreatesOutermostFirst) {
    volume.MakeFolder("a");
    EXPECT_TRUE(ForceDirectories(faulty, At("a\\b\\c\\")).ok);
    EXPECT_EQ(created, (std::vector<std::string>{At("a\\b"), At("a\\b\\c")}));
    EXPECT_TRUE(volume.Files().DirectoryExists(At("a\\b\\c")));
}

TEST_F(FolderOperations, ForceDirectoriesTakesRootsAndExistingFoldersAsDone) {
    volume.MakeFolder("here");
    const std::string root = ScratchVolume::SystemRoot();
    for (const std::string& path :
         {root, root.substr(0, 2), std::string(), At("here"), At("here\\\\"), At("")}) {
        EXPECT_TRUE(ForceDirectories(faulty, path).ok) << path;
    }
    EXPECT_TRUE(created.empty());
}

TEST_F(FolderOperations, ForceDirectoriesStopsAtTheFirstFailure) {
    volume.Write("file", "");
    EXPECT_NE(ForceDirectories(faulty, At("file\\sub\\deeper")).reason, "");
    EXPECT_EQ(created, std::vector<std::string>{At("file")});
    faulty.failCreateDirectory = [](const std::string&) { return true; };
    EXPECT_FALSE(ForceDirectories(faulty, At("x\\y")).ok);
    EXPECT_FALSE(volume.Exists("x"));
}

TEST_F(FolderOperations, FileAgeAndDirectoryExistsTellFilesFromFolders) {
    volume.Write("file", "", {1600000000, 0});
    volume.MakeFolder("folder");
    EXPECT_NE(volume.Files().FileAge(At("file")), kNoFile);
    EXPECT_TRUE(volume.Files().FileExists(At("file")));
    EXPECT_EQ(volume.Files().FileAge(At("folder")), kNoFile);
    EXPECT_EQ(volume.Files().FileAge(At("missing")), kNoFile);
    EXPECT_EQ(volume.Files().StateOf(At("missing")).stamp, kNoFile);
    EXPECT_TRUE(volume.Files().DirectoryExists(At("folder\\")));
    EXPECT_FALSE(volume.Files().DirectoryExists(At("file")));
    EXPECT_FALSE(volume.Files().DirectoryExists(At("missing")));
    const CopyOutcome existing = volume.Files().CreateDirectory(At("folder"), "");
    EXPECT_FALSE(existing.ok);
    EXPECT_NE(existing.reason, "");
    EXPECT_FALSE(volume.Files().CreateDirectory(At("missing\\deeper"), "").ok);
    EXPECT_FALSE(volume.Exists("missing"));
}

TEST_F(FolderOperations, StateOfTellsStampSizeAndTime) {
    volume.Write("file", "12345", {1600000000, 500000000});
    const DestinationState state = volume.Files().StateOf(At("file"));
    EXPECT_EQ(state.stamp, volume.Files().FileAge(At("file")));
    EXPECT_EQ(state.size, 5u);
    EXPECT_EQ(state.fineTime.seconds, 1600000000);
    if (state.resolution > 0 && state.resolution <= 100'000'000) {
        EXPECT_EQ(state.fineTime.nanoseconds, 500000000);
    }
}

TEST_F(FolderOperations, SameFolderSeesThroughSpelling) {
    volume.MakeFolder("a");
    volume.MakeFolder("b");
    volume.Write("f", "");
    EXPECT_TRUE(volume.Files().SameFolder(At("a"), At("b\\..\\a\\")));
    EXPECT_TRUE(volume.Files().SameFolder(At(""), At("a\\..")));
    EXPECT_FALSE(volume.Files().SameFolder(At("a"), At("b")));
    EXPECT_FALSE(volume.Files().SameFolder(At("f"), At("f")));
    EXPECT_FALSE(volume.Files().SameFolder(At("missing"), At("missing")));
}

TEST_F(FolderOperations, SetCurrentDirectoryChangesTheProcessFolder) {
    const auto before = std::filesystem::current_path();
    volume.Write("work\\marker", "");
    EXPECT_FALSE(volume.Files().SetCurrentDirectory(At("missing")));
    ASSERT_TRUE(volume.Files().SetCurrentDirectory(At("work")));
    const bool there = std::filesystem::exists("marker");
    std::filesystem::current_path(before);
    EXPECT_TRUE(there);
}

}  // namespace
}  // namespace zarvik3::test
