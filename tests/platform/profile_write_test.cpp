#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/posix/posix_profile_file.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

std::size_t EntriesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

class ProfileWriteTest : public ::testing::Test {
  protected:
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        return profiles.WriteString(&section, &key, &value, Path());
    }
    bool DeleteKey(const std::string& section, const std::string& key) {
        return profiles.WriteString(&section, &key, nullptr, Path());
    }
    bool DeleteSection(const std::string& section) {
        return profiles.WriteString(&section, nullptr, nullptr, Path());
    }
    std::string Read(const std::string& section, const std::string& key) {
        return profiles.GetString(Path(), section, key, "<none>", 2048);
    }
    std::string Path() const { return tree.Path("settings.ini").string(); }
    std::string Content() const { return tree.Read("settings.ini"); }
    ino_t Inode() const {
        struct stat status {};
        stat(Path().c_str(), &status);
        return status.st_ino;
    }

    test::TempTree tree;
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
};

TEST_F(ProfileWriteTest, TheFirstWriteCreatesFileSectionAndKeyWithCrLf) {
    ASSERT_TRUE(Write("PlimoForm", "FromBox", "C:\\Data\\"));
    EXPECT_EQ(Content(), "[PlimoForm]\r\nFromBox=C:\\Data\\\r\n");
    ASSERT_TRUE(Write("FromBox", "0", "C:\\a_1.1.2026"));
    EXPECT_EQ(Content(), "[PlimoForm]\r\nFromBox=C:\\Data\\\r\n[FromBox]\r\n0=C:\\a_1.1.2026\r\n");
}

TEST_F(ProfileWriteTest, WrittenValuesReadBackAcrossAFlush) {
    ASSERT_TRUE(Write("A", "k", "value with = and ; inside"));
    ASSERT_TRUE(Write("A", "empty", ""));
    ASSERT_TRUE(profiles.WriteString(nullptr, nullptr, nullptr, Path()));
    PosixProfileFile other = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(other.GetString(Path(), "a", "K", "", 2048), "value with = and ; inside");
    EXPECT_EQ(other.GetString(Path(), "A", "empty", "d", 2048), "");
}

TEST_F(ProfileWriteTest, ANewSectionFollowsAFileWithoutFinalLineEnd) {
    tree.Write("settings.ini", "[A]\nk=1");
    ASSERT_TRUE(Write("B", "j", "2"));
    EXPECT_EQ(Content(), "[A]\nk=1\r\n[B]\r\nj=2\r\n");
}

TEST_F(ProfileWriteTest, ANewKeyGoesAtTheEndOfItsSectionBeforeTheBlankLines) {
    tree.Write("settings.ini", "[A]\nk=1\n\n[B]\nj=2\n");
    ASSERT_TRUE(Write("a", "new", "3"));
    EXPECT_EQ(Content(), "[A]\nk=1\nnew=3\n\n[B]\nj=2\n");
    ASSERT_TRUE(Write("B", "other", "4"));
    EXPECT_EQ(Content(), "[A]\nk=1\nnew=3\n\n[B]\nj=2\nother=4\n");
}

TEST_F(ProfileWriteTest, AnExistingKeyKeepsItsSpellingAndOtherLinesStayByteForByte) {
    const std::string before =
        "; written by hand\r\n[Foreign]\r\n  odd line\r\nx = 1 ; note\r\n\r\n"
        "[PlimoForm]\r\nFROMBOX = old\r\n#comment\r\nTail=t\r\n";
    tree.Write("settings.ini", before);
    ASSERT_TRUE(Write("plimoform", "FromBox", "new"));
    std::string expected = before;
    expected.replace(expected.find("FROMBOX = old"), 13, "FROMBOX=new");
    EXPECT_EQ(Content(), expected);
}

TEST_F(ProfileWriteTest, WritingTheSameValueAgainLeavesTheFileAlone) {
    tree.Write("settings.ini", "[A]\r\nk = same\r\n");
    const ino_t before = Inode();
    ASSERT_TRUE(Write("A", "k", "same"));
    EXPECT_EQ(Inode(), before);
    EXPECT_EQ(Content(), "[A]\r\nk = same\r\n");
}

TEST_F(ProfileWriteTest, DeletingAKeyKeepsTheSectionHeader) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\nj=2\r\n[B]\r\nk=3\r\n");
    ASSERT_TRUE(DeleteKey("A", "K"));
    ASSERT_TRUE(DeleteKey("A", "j"));
    EXPECT_EQ(Content(), "[A]\r\n[B]\r\nk=3\r\n");
    EXPECT_EQ(Read("A", "k"), "<none>");
    EXPECT_TRUE(DeleteKey("A", "missing"));
    EXPECT_TRUE(DeleteKey("Missing", "k"));
}

TEST_F(ProfileWriteTest, DeletingAKeyRemovesItsDuplicatesToo) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\nk=2\r\n");
    ASSERT_TRUE(DeleteKey("A", "k"));
    EXPECT_EQ(Read("A", "k"), "<none>");
}

TEST_F(ProfileWriteTest, DeletingASectionRemovesItsLinesOnly) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\n; mine\r\n[B]\r\nj=2\r\n[a]\r\nk=3\r\n");
    ASSERT_TRUE(DeleteSection("A"));
    EXPECT_EQ(Content(), "[B]\r\nj=2\r\n");
    EXPECT_TRUE(DeleteSection("A"));
}

TEST_F(ProfileWriteTest, DeletingFromAMissingFileCreatesNothing) {
    EXPECT_TRUE(DeleteKey("A", "k"));
    EXPECT_TRUE(DeleteSection("A"));
    EXPECT_FALSE(tree.Exists("settings.ini"));
}

TEST_F(ProfileWriteTest, EntriesThatWouldNotReadBackAreRefused) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\n");
    EXPECT_FALSE(Write("A", "k", "two\r\n[Evil]\r\nx=1"));
    EXPECT_FALSE(Write("A", "k=j", "1"));
    EXPECT_FALSE(Write("A", "[B]", "1"));
    EXPECT_FALSE(Write("A\nB", "k", "1"));
    EXPECT_FALSE(Write("A", "k", std::string("a\0b", 3)));
    EXPECT_EQ(Content(), "[A]\r\nk=1\r\n");
    const std::string key = "k";
    EXPECT_FALSE(profiles.WriteString(nullptr, &key, nullptr, Path()));
}

TEST_F(ProfileWriteTest, PermissionBitsSurviveARewrite) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
    ASSERT_TRUE(Write("A", "k", "2"));
    struct stat status {};
    ASSERT_EQ(stat(Path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(ProfileWriteTest, NoTemporaryFileIsLeftBehind) {
    ASSERT_TRUE(Write("A", "k", "1"));
    ASSERT_TRUE(Write("A", "k", "2"));
    EXPECT_EQ(EntriesIn(tree.Root()), 1u);
}

TEST_F(ProfileWriteTest, LeftoversOfStoppedSavesAreSweptAndOthersKept) {
    tree.Write(".settings.ini.123456.tmp", "stopped save");
    tree.Write(".settings.ini.backup.tmp", "a user's file");
    tree.Write(".settings.ini.777.tmp", "a save at work");
    const int working = open(tree.Path(".settings.ini.777.tmp").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(working, LOCK_EX), 0);
    ASSERT_TRUE(Write("A", "k", "v"));
    close(working);
    EXPECT_FALSE(tree.Exists(".settings.ini.123456.tmp"));
    EXPECT_TRUE(tree.Exists(".settings.ini.backup.tmp"));
    EXPECT_TRUE(tree.Exists(".settings.ini.777.tmp"));
}

TEST_F(ProfileWriteTest, ALinkToTheFileStaysALink) {
    tree.Write("real.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(symlink(tree.Path("real.ini").c_str(), Path().c_str()), 0);
    ASSERT_TRUE(Write("A", "k", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(tree.Path("settings.ini")));
    EXPECT_EQ(tree.Read("real.ini"), "[A]\r\nk=2\r\n");
}

TEST_F(ProfileWriteTest, AWriteSeesTheFileAsItIsNowOnDisk) {
    ASSERT_TRUE(Write("A", "k", "1"));
    tree.Write("settings.ini", "[A]\r\nk=1\r\n[Other]\r\nx=from elsewhere\r\n", 1700000000);
    ASSERT_TRUE(Write("A", "j", "2"));
    EXPECT_EQ(Read("Other", "x"), "from elsewhere");
}

}  // namespace
}  // namespace zarvik3
