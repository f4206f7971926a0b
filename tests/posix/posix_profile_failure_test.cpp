#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/posix/posix_profile_file.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

const std::string kOld = "[A]\r\nk=old\r\n";

bool RunQuietly(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

class ProfileFailureTest : public ::testing::Test {
  protected:
    ProfileFailureTest() { tree.Write("settings.ini", kOld); }
    bool Write(const std::string& value, const std::string& path) {
        const std::string section = "A", key = "k";
        return profiles.WriteString(&section, &key, &value, path);
    }
    std::string Path() const { return tree.Path("settings.ini").string(); }

    test::TempTree tree;
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
};

// An immutable folder refuses new entries and renames even to root.
class ImmutableFolder {
  public:
    explicit ImmutableFolder(std::string path) : path_(std::move(path)) {
        locked_ = RunQuietly("chattr +i '" + path_ + "'");
    }
    ~ImmutableFolder() {
        if (locked_) RunQuietly("chattr -i '" + path_ + "'");
    }
    bool Locked() const { return locked_; }

  private:
    std::string path_;
    bool locked_ = false;
};

TEST_F(ProfileFailureTest, AnImmutableFolderFailsTheWriteAndKeepsTheOldFile) {
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", 2048), "old");
    ImmutableFolder lock(tree.Root().string());
    if (!lock.Locked()) GTEST_SKIP() << "chattr +i is not available on " << tree.Root();
    EXPECT_FALSE(Write("new", Path()));
    EXPECT_EQ(profiles.LastWriteFailure().nativePath, Path());
    EXPECT_EQ(profiles.LastWriteFailure().reason, std::generic_category().message(EPERM));
    EXPECT_EQ(tree.Read("settings.ini"), kOld);
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", 2048), "old");
}

TEST_F(ProfileFailureTest, AFolderWithoutWriteAccessFailsForAnOrdinaryUser) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits; see the immutable case";
    ASSERT_EQ(chmod(tree.Root().c_str(), 0555), 0);
    EXPECT_FALSE(Write("new", Path()));
    ASSERT_EQ(chmod(tree.Root().c_str(), 0755), 0);
    EXPECT_EQ(tree.Read("settings.ini"), kOld);
}

TEST_F(ProfileFailureTest, AFullDiskKeepsTheOldFileAndLeavesNoTemporary) {
    // A file-size limit makes write() fail part-way, as a full disk does.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Write(std::string(1000, 'x'), Path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(tree.Read("settings.ini"), kOld);
    EXPECT_EQ(EntriesIn(tree.Root()), 1u);
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", 2048), "old");
}

TEST_F(ProfileFailureTest, AnOversizedFileIsNeitherReadNorOverwritten) {
    std::filesystem::resize_file(tree.Path("settings.ini"), 64 * 1024 * 1024);
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "d", 2048), "d");
    EXPECT_FALSE(Write("new", Path()));
    EXPECT_EQ(std::filesystem::file_size(tree.Path("settings.ini")), 64u * 1024 * 1024);
}

}  // namespace
}  // namespace zarvik3
