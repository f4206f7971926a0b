#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/drive_map.h"
#include "platform/posix/posix_profile_file.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

// What the POSIX layer does beyond the system's profile functions: its own reading of odd
// bytes, the drive map, and replacing the file whole.
constexpr std::size_t kBuffer = 2048;

class PosixProfileRead : public ::testing::Test {
  protected:
    std::string Read(const std::string& content, const std::string& section, const std::string& key,
                     const std::string& fallback = "") {
        tree.Write("settings.ini", content);
        PosixProfileFile fresh = PosixProfileFile::ForNativePaths();
        return fresh.GetString(Path(), section, key, fallback, kBuffer);
    }
    std::string Path() const { return tree.Path("settings.ini").string(); }

    test::TempTree tree;
};

TEST_F(PosixProfileRead, AUtf8ByteOrderMarkIsSkipped) {
    EXPECT_EQ(Read("\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k"), "v");
}

TEST_F(PosixProfileRead, TruncatedAndBinaryFilesReadWithoutHarm) {
    EXPECT_EQ(Read("[A]\r\nk=va", "A", "k"), "va");
    EXPECT_EQ(Read("[A", "A", "k", "d"), "d");
    const std::string nul("[A]\0\r\nk=a\0b\r\n", 14);
    EXPECT_EQ(Read(nul, "A", "k", "d"), std::string("a\0b", 3));
    std::string noise;
    for (int i = 0; i < 65536; ++i) noise += static_cast<char>((i * 7919 + i / 251) & 0xFF);
    EXPECT_NO_THROW(Read(noise, "A", "k"));
    EXPECT_EQ(Read(noise + "\n[A]\nk=found\n", "A", "k"), "found");
}

TEST_F(PosixProfileRead, AFolderOrAFifoUnderTheNameGivesTheDefault) {
    tree.MakeFolder("folder.ini");
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(profiles.GetString(tree.Path("folder.ini").string(), "A", "k", "d", kBuffer), "d");
    ASSERT_EQ(mkfifo(tree.Path("fifo.ini").c_str(), 0600), 0);
    EXPECT_EQ(profiles.GetString(tree.Path("fifo.ini").string(), "A", "k", "d", kBuffer), "d");
}

TEST_F(PosixProfileRead, FolderTextsAreMappedThroughTheDrives) {
    tree.Write("settings.ini", "[A]\r\nk=mapped\r\n");
    const auto drives = std::make_shared<const DriveMap>(
        std::map<char, std::string>{{'T', tree.Root().string()}}, std::vector<std::string>{});
    PosixProfileFile profiles(drives);
    EXPECT_EQ(profiles.GetString("T:\\settings.ini", "A", "k", "", kBuffer), "mapped");
    EXPECT_EQ(profiles.GetString("Q:\\settings.ini", "A", "k", "d", kBuffer), "d");
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "d", kBuffer), "d");
}

class PosixProfileWrite : public ::testing::Test {
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

TEST_F(PosixProfileWrite, WritingTheSameValueAgainLeavesTheFileAlone) {
    tree.Write("settings.ini", "[A]\r\nk = same\r\n");
    const ino_t before = Inode();
    ASSERT_TRUE(Write("A", "k", "same"));
    EXPECT_EQ(Inode(), before);
    EXPECT_EQ(Content(), "[A]\r\nk = same\r\n");
}

TEST_F(PosixProfileWrite, DeletingAKeyRemovesItsDuplicatesToo) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\nk=2\r\n");
    ASSERT_TRUE(DeleteKey("A", "k"));
    EXPECT_EQ(Read("A", "k"), "<none>");
}

TEST_F(PosixProfileWrite, DeletingASectionRemovesItsLinesOnly) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\n; mine\r\n[B]\r\nj=2\r\n[a]\r\nk=3\r\n");
    ASSERT_TRUE(DeleteSection("A"));
    EXPECT_EQ(Content(), "[B]\r\nj=2\r\n");
    EXPECT_TRUE(DeleteSection("A"));
}

TEST_F(PosixProfileWrite, PermissionBitsSurviveARewrite) {
    tree.Write("settings.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
    ASSERT_TRUE(Write("A", "k", "2"));
    struct stat status {};
    ASSERT_EQ(stat(Path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(PosixProfileWrite, LeftoversOfStoppedSavesAreSweptAndOthersKept) {
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

TEST_F(PosixProfileWrite, ALinkToTheFileStaysALink) {
    tree.Write("real.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(symlink(tree.Path("real.ini").c_str(), Path().c_str()), 0);
    ASSERT_TRUE(Write("A", "k", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(tree.Path("settings.ini")));
    EXPECT_EQ(tree.Read("real.ini"), "[A]\r\nk=2\r\n");
}

}  // namespace
}  // namespace zarvik3
