#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/copy_fixture.h"

namespace zarvik3::test {
namespace {

class TreeShape : public CopyFixture {};

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

// A deep path is taken one name at a time, as the kernel refuses it whole.
int OpenDown(const std::filesystem::path& root, const std::string& relative, bool create) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (std::size_t start = 0; fd >= 0 && start < relative.size();) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        const std::string name = relative.substr(start, end - start);
        if (create) mkdirat(fd, name.c_str(), 0755);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = next;
        start = end + 1;
    }
    return fd;
}

// Removes what std::filesystem cannot reach by path.
void RemoveBelow(int parent, const char* name) {
    const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        unlinkat(parent, name, 0);
        return;
    }
    DIR* dir = fdopendir(fd);
    while (const dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            RemoveBelow(fd, entry->d_name);
        }
    }
    closedir(dir);
    unlinkat(parent, name, AT_REMOVEDIR);
}

class DeepTree : public CopyFixture {
  protected:
    ~DeepTree() override {
        const int root = open(volume.NativePath("").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        RemoveBelow(root, "src");
        RemoveBelow(root, "dst");
        close(root);
    }
    void MakeDeepFile(const std::string& folder, const char* name, const std::string& content) {
        const int fd = OpenDown(volume.NativePath(""), folder, true);
        ASSERT_GE(fd, 0);
        const int file = openat(fd, name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_EQ(write(file, content.data(), content.size()),
                  static_cast<ssize_t>(content.size()));
        close(file);
        close(fd);
    }
    std::string ReadDeepFile(const std::string& folder, const char* name) {
        const int fd = OpenDown(volume.NativePath(""), folder, false);
        const int file = fd < 0 ? -1 : openat(fd, name, O_RDONLY | O_CLOEXEC);
        char buffer[64] = {};
        const ssize_t got = file < 0 ? -1 : read(file, buffer, sizeof buffer);
        if (file >= 0) close(file);
        if (fd >= 0) close(fd);
        return got < 0 ? "(missing)" : std::string(buffer, static_cast<std::size_t>(got));
    }
};

TEST_F(TreeShape, EmptySourceFoldersCreateNothing) {
    volume.MakeFolder("src/empty/deeper");
    volume.MakeFolder("src/also-empty");
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_FALSE(volume.Exists("dst"));
}

TEST_F(TreeShape, FoldersAreMadeOnlyWhereAFileGoes) {
    volume.MakeFolder("src/empty");
    volume.Write("src/a/b/c/file.txt", "x");
    Walk();
    EXPECT_TRUE(volume.Exists("dst/a/b/c/file.txt"));
    EXPECT_FALSE(volume.Exists("dst/empty"));
}

TEST_F(TreeShape, HiddenFolderSkippedHiddenFileCopied) {
    volume.Write("src/.cache/inner.txt", "x");
    volume.Write("src/.profile", "x");
    Walk();
    EXPECT_TRUE(volume.Exists("dst/.profile"));
    EXPECT_FALSE(volume.Exists("dst/.cache"));
    EXPECT_EQ(view.lines.size(), 1u);
}

TEST_F(TreeShape, WithoutSubfoldersOnlyTheRootIsCopied) {
    volume.Write("src/top.txt", "x");
    volume.Write("src/sub/below.txt", "x");
    request.includeSubfolders = false;
    Walk();
    EXPECT_TRUE(volume.Exists("dst/top.txt"));
    EXPECT_FALSE(volume.Exists("dst/sub"));
}

TEST_F(TreeShape, MaskSelectsFilesNotFolders) {
    volume.Write("src/a.TXT", "x");
    volume.Write("src/b.doc", "x");
    volume.Write("src/docs/c.txt", "x");
    request.mask = "*.txt";
    Walk();
    EXPECT_TRUE(volume.Exists("dst/a.TXT"));  // matching ignores case
    EXPECT_FALSE(volume.Exists("dst/b.doc"));
    EXPECT_TRUE(volume.Exists("dst/docs/c.txt"));  // "docs" does not match, yet is walked
}

TEST_F(TreeShape, EmptyMaskCopiesNothingButStillWalks) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/sub/b.txt", "x");
    request.mask = "";
    const int before = view.pumps;
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_FALSE(volume.Exists("dst"));
    EXPECT_GT(view.pumps, before);  // the subfolder pass still ran
}

TEST_F(TreeShape, MissingSourceRootEndsQuietly) {
    request.from = "D:\\nowhere\\";
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_FALSE(volume.Exists("dst"));
}

TEST_F(TreeShape, DestinationInsideTheSourceIsNotWalked) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/sub/b.txt", "x");
    view.to = "D:\\src\\backup";
    Walk();
    EXPECT_TRUE(volume.Exists("src/backup/a.txt"));
    EXPECT_TRUE(volume.Exists("src/backup/sub/b.txt"));
    EXPECT_FALSE(volume.Exists("src/backup/backup"));
    EXPECT_EQ(view.lines.size(), 2u);
    view.ClearList();
    Walk();  // a second run finds it all in place, and still does not copy the backup
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(TreeShape, BackslashInANameIsReportedNotCopied) {
    // Past the scratch volume, which takes a backslash for a separator.
    std::ofstream(volume.NativePath("src") / "a\\b.txt") << "x";
    std::filesystem::create_directory(volume.NativePath("src") / "odd\\dir");
    std::ofstream(volume.NativePath("src") / "odd\\dir" / "inner.txt") << "x";
    volume.Write("src/a/b.txt", "real", 1600000000);
    view.shownPath = [&](const std::string& path) {
        return volume.DriveInfo().ToNativePath(path).value().Text();
    };
    Walk();
    EXPECT_EQ(view.failed, 2u);
    EXPECT_EQ(volume.Read("dst/a/b.txt"), "real");  // not overwritten through the odd name
    EXPECT_FALSE(volume.Exists("dst/odd"));
    ASSERT_EQ(view.lines.size(), 3u);
    int noted = 0;
    for (const std::string& line : view.lines) {
        noted += line.ends_with("   FAILED: name holds a backslash") ? 1 : 0;
    }
    EXPECT_EQ(noted, 2);
    // Named as they are, after their folder in the system's form.
    const std::string dst = volume.NativePath("dst").string();
    const std::vector<std::string> paths = view.Paths();
    EXPECT_NE(std::find(paths.begin(), paths.end(), dst + "/a\\b.txt"), paths.end());
    EXPECT_NE(std::find(paths.begin(), paths.end(), dst + "/odd\\dir"), paths.end());
}

TEST_F(TreeShape, ThousandLevelsDeep) {
    std::string relative = "src";
    for (int level = 0; level < 1000; ++level) relative += "/d";
    volume.Write(relative + "/leaf.txt", "bottom");
    const std::size_t openBefore = OpenDescriptors();
    Walk();
    ASSERT_TRUE(fs.Flush().ok);  // which lets go of the volume it held for the sync
    EXPECT_EQ(OpenDescriptors(), openBefore);
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.failed, 0u) << view.lines[0].substr(view.lines[0].size() - 80);
    std::string copied = "dst";
    for (int level = 0; level < 1000; ++level) copied += "/d";
    EXPECT_EQ(volume.Read(copied + "/leaf.txt"), "bottom");
}

TEST_F(DeepTree, LongerThanThePathLimitIsCopiedWhole) {
    // 20 levels of 250-byte names: about 5,000 bytes below the drive's root.
    const std::string name(250, 'n');
    std::string relative = "src";
    for (int level = 0; level < 20; ++level) relative += "/" + name;
    MakeDeepFile(relative, "deep.txt", "bottom");
    Walk();
    EXPECT_EQ(view.failed, 0u);
    ASSERT_EQ(view.lines.size(), 1u);
    std::string copied = "dst" + relative.substr(3);
    EXPECT_EQ(ReadDeepFile(copied, "deep.txt"), "bottom");
    view.ClearList();
    Walk();  // and the copy is then found up to date
    EXPECT_TRUE(view.lines.empty());
}

}  // namespace
}  // namespace zarvik3::test
