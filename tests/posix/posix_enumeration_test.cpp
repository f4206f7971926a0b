#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_drive.h"

namespace zarvik3::test {
namespace {

constexpr std::uint32_t kEverything = 63;

// Links, special files, dot names and descriptors: how the POSIX layer maps what Windows
// does not have.
class PosixEnumeration : public ::testing::Test {
  protected:
    std::map<std::string, DirEntry> List(const std::string& pattern, std::uint32_t filter,
                                         EntryDetail detail = EntryDetail::Full) {
        std::map<std::string, DirEntry> entries;
        auto enumeration = drive.fs.FindFirst(pattern, filter, detail);
        if (!enumeration) return entries;
        DirEntry entry;
        while (enumeration->Next(entry)) entries[entry.name] = entry;
        return entries;
    }
    void Link(const std::string& target, const std::string& name) {
        ASSERT_EQ(symlink(target.c_str(), drive.tree.Path(name).c_str()), 0);
    }

    // Descriptors of this process open on the drive's folder, lowest first.
    std::vector<int> OpenFolderDescriptors() const {
        std::vector<int> found;
        for (const auto& link : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            if (std::filesystem::read_symlink(link, error) == drive.tree.Root()) {
                found.push_back(std::stoi(link.path().filename().string()));
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    TempDrive drive;
};

TEST_F(PosixEnumeration, DotNamesAreHiddenAndLinksAreSystem) {
    drive.tree.Write(".dotfile", "");
    drive.tree.MakeFolder("folder");
    drive.tree.Write("linked/a.txt", "a");
    Link(drive.tree.Path("folder"), "linked/to-folder");
    Link("folder", "link");
    const auto entries = List("D:\\*", kEverything, EntryDetail::KindOnly);
    const std::uint32_t kind = kAttrHidden | kAttrSystem | kAttrDirectory;
    EXPECT_EQ(entries.at(".dotfile").attributes & kind, kAttrHidden);
    EXPECT_EQ(entries.at("link").attributes & kind, kAttrSystem | kAttrDirectory);
    // A link to a folder may be one, so the walk must not be told otherwise.
    auto enumeration = drive.fs.FindFirst("D:\\linked\\*.txt", kFilterFiles, EntryDetail::Full);
    DirEntry entry;
    while (enumeration->Next(entry)) {
    }
    EXPECT_FALSE(enumeration->MetNoFolder());
}

TEST_F(PosixEnumeration, SpecialEntriesAreSystemAndNeverFolders) {
    ASSERT_EQ(mkfifo(drive.tree.Path("fifo").c_str(), 0644), 0);
    drive.tree.MakeFolder("real");
    Link("real", "to-folder");
    Link("loop-b", "loop-a");
    Link("loop-a", "loop-b");
    Link("missing", "dangling");
    for (const auto detail : {EntryDetail::Full, EntryDetail::KindOnly}) {
        EXPECT_EQ(List("D:\\*", kFilterFolders, detail).size(), 1u);  // only "real"
    }
    const auto files = List("D:\\*", kFilterFiles);
    EXPECT_EQ(files.size(), 4u);  // fifo, loops and the dangling link, as system files
    for (const auto& [name, entry] : files) {
        EXPECT_EQ(entry.attributes & (kAttrSystem | kAttrDirectory), kAttrSystem) << name;
    }
    EXPECT_EQ(List("D:\\to-*", kEverything).at("to-folder").attributes,
              kAttrSystem | kAttrDirectory);
}

TEST_F(PosixEnumeration, LinkToAFileCountsAsThatFile) {
    drive.tree.Write("target", "12345", 1600000000);
    Link("target", "alias");
    const auto entries = List("D:\\*", kFilterFiles);
    EXPECT_EQ(entries.at("alias").attributes, kAttrArchive);
    EXPECT_EQ(entries.at("alias").size, 5u);
    EXPECT_EQ(entries.at("alias").time, entries.at("target").time);
}

TEST_F(PosixEnumeration, NamesAndPatternsWindowsCannotHold) {
    drive.tree.Write("back\\slash", "");
    // Delivered as it is; the walk, not the enumeration, refuses it.
    EXPECT_EQ(List("D:\\back*", kFilterFiles).count("back\\slash"), 1u);
    for (const char* pattern : {"Q:\\*", "*.*"}) {  // an unmapped letter, no drive at all
        std::string failure = "unset";
        EXPECT_EQ(drive.fs.FindFirst(pattern, kFilterFiles, EntryDetail::Full, failure), nullptr);
        EXPECT_EQ(failure, "") << pattern;
    }
}

TEST_F(PosixEnumeration, FailuresTellTheSystemsReason) {
    std::string failure;
    drive.fs.FindFirst("D:\\" + std::string(300, 'n') + "\\*", kFilterFiles, EntryDetail::Full,
                       failure);
    EXPECT_EQ(failure, std::strerror(ENAMETOOLONG));
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    drive.tree.Write("closed/a.txt", "");
    ASSERT_EQ(chmod(drive.tree.Path("closed").c_str(), 0), 0);
    drive.fs.FindFirst("D:\\closed\\*", kFilterFiles, EntryDetail::Full, failure);
    EXPECT_EQ(failure, std::strerror(EACCES));
    chmod(drive.tree.Path("closed").c_str(), 0700);
}

// The descriptor of the open folder is swapped for one that cannot be read as a folder,
// so the next batch of entries fails as a failing disk would.
TEST_F(PosixEnumeration, ReadErrorIsNotTheEndOfAFolder) {
    for (int i = 0; i < 1000; ++i) drive.tree.Write(std::to_string(i) + std::string(120, 'f'), "");
    const std::size_t before = OpenFolderDescriptors().size();
    auto enumeration = drive.fs.FindFirst("D:\\*", kFilterFiles, EntryDetail::KindOnly);
    ASSERT_NE(enumeration, nullptr);
    const std::vector<int> open = OpenFolderDescriptors();
    ASSERT_EQ(open.size(), before + 1);
    const int notAFolder = ::open("/dev/null", O_RDONLY);
    ASSERT_EQ(dup2(notAFolder, open.back()), open.back());
    close(notAFolder);
    DirEntry entry;
    int delivered = 0;
    while (enumeration->Next(entry)) ++delivered;
    EXPECT_LT(delivered, 1000);
    EXPECT_EQ(enumeration->ReadError(), std::strerror(ENOTDIR));
    EXPECT_FALSE(enumeration->MetNoFolder());
}

// The file system type mounted at the top-level folder name, from the mount table.
std::string MountedType(const std::string& name) {
    std::ifstream mounts("/proc/self/mounts");
    std::string device, point, type, rest, found;
    while (mounts >> device >> point >> type && std::getline(mounts, rest)) {
        if (point == "/" + name) found = type;
    }
    return found;
}

TEST_F(PosixEnumeration, KernelFileSystemsAreSystemFolders) {
    int checked = 0;
    for (const auto& [name, type] : std::map<std::string, std::string>{
             {"proc", "proc"}, {"sys", "sysfs"}, {"dev", "devtmpfs"}}) {
        if (MountedType(name) != type) continue;
        ++checked;
        EXPECT_EQ(List("C:\\" + name, kFilterFolders).count(name), 0u) << name;
        const auto attributes = List("C:\\" + name, kEverything).at(name).attributes;
        EXPECT_EQ(attributes & (kAttrSystem | kAttrDirectory), kAttrSystem | kAttrDirectory)
            << name;
    }
    if (checked == 0) GTEST_SKIP() << "no kernel file system is mounted at /proc, /sys or /dev";
}

TEST(PosixEnumerationDepth, ThousandOpenEnumerationsFitTheDescriptorLimit) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    if (saved.rlim_max < 1200) GTEST_SKIP() << "hard descriptor limit below 1200";
    rlimit low = saved;
    low.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    TempDrive drive;
    std::string relative = "d";
    for (int level = 1; level < 1000; ++level) relative += "/d";
    drive.tree.MakeFolder(relative);
    std::vector<std::unique_ptr<DirEnumeration>> open;
    std::string folder = "D:";
    for (int level = 0; level < 1000; ++level) {
        open.push_back(drive.fs.FindFirst(folder + "\\*", kFilterFolders, EntryDetail::KindOnly));
        if (!open.back()) break;
        folder += "\\d";
    }
    const std::size_t opened = open.size() - (open.back() ? 0 : 1);
    open.clear();
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(opened, 1000u);
}

}  // namespace
}  // namespace zarvik3::test
