#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/copy_fixture.h"
#include "support/faulty_file_system.h"

namespace zarvik3::test {
namespace {

// The walk through a file system that can be told to fail chosen calls.
class CopyFailure : public CopyFixture {
  protected:
    void FaultyWalk() { WalkOn(faulty); }

    FaultyFileSystem faulty{fs};
};

TEST_F(CopyFailure, FolderStandingWhereAFileGoesIsListedAsFailed) {
    volume.Write("src/name", std::string(5000, 'x'));
    volume.Write("src/fine.txt", std::string(3000, 'x'));
    volume.MakeFolder("dst/name");
    Walk();
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.failed, 1u);
    EXPECT_EQ(totalKB, 3);  // only the copy that worked
    bool noted = false;
    for (const std::string& line : view.lines) {
        if (line.starts_with("D:\\dst\\name   ")) noted = line.find("   FAILED: ") != line.npos;
    }
    EXPECT_TRUE(noted);
    EXPECT_TRUE(std::filesystem::is_directory(volume.NativePath("dst/name")));
}

TEST_F(CopyFailure, SizesAddInThousandsWithTheRemainderDropped) {
    volume.Write("src/small", std::string(999, 'x'));
    Walk();
    EXPECT_EQ(totalKB, 0);
    volume.Write("src/medium", std::string(2500, 'x'));
    Walk();
    EXPECT_EQ(totalKB, 2);
}

TEST_F(CopyFailure, FiveGigabyteEntryAddsFiveMillion) {
    volume.Write("src/huge.bin", "stand-in");
    faulty.transformEntry = [](DirEntry& entry) {
        if (entry.name == "huge.bin") entry.size = 5000000000ULL;
        return true;
    };
    totalKB = 2147483000;  // near the top of 32 bits already
    FaultyWalk();
    EXPECT_EQ(totalKB, 2147483000LL + 5000000);
}

TEST_F(CopyFailure, FullDiskIsReportedAndNotCounted) {
    volume.Write("src/a.txt", std::string(4000, 'x'));
    volume.Write("dst/a.txt", "old", 1000000000);
    faulty.copyFile = [](const std::string&, const std::string&) {
        return FaultyFileSystem::DiskFull();
    };
    FaultyWalk();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_TRUE(view.lines[0].ends_with("   FAILED: No space left on device")) << view.lines[0];
    EXPECT_EQ(view.failed, 1u);
    EXPECT_EQ(totalKB, 0);
    EXPECT_EQ(volume.Read("dst/a.txt"), "old");
}

TEST_F(CopyFailure, FolderThatCannotBeMadeFailsItsCopiesOnly) {
    volume.Write("src/blocked/a.txt", "x");
    volume.Write("src/blocked/b.txt", "x");
    volume.Write("src/open/c.txt", "x");
    faulty.failCreateDirectory = [](const std::string& path) {
        return path.find("blocked") != std::string::npos;
    };
    FaultyWalk();
    EXPECT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(view.failed, 2u);
    EXPECT_TRUE(volume.Exists("dst/open/c.txt"));
}

TEST_F(CopyFailure, FileVanishedSinceItWasListedFails) {
    volume.Write("src/here.txt", "x");
    faulty.transformEntry = [](DirEntry& entry) {
        if (entry.name == "here.txt") entry.name = "gone.txt";
        return true;
    };
    FaultyWalk();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.failed, 1u);
    EXPECT_FALSE(volume.Exists("dst/gone.txt"));
}

TEST_F(CopyFailure, UnreadableFolderIsListedAsFailed) {
    volume.Write("src/locked/a.txt", "x");
    volume.Write("src/other/b.txt", "x");
    faulty.failFindFirst = [](const std::string& pattern) {
        return pattern.find("locked") != std::string::npos;
    };
    FaultyWalk();
    ASSERT_EQ(view.lines.size(), 2u);  // one line for the folder, whichever pass failed
    EXPECT_EQ(view.lines[0], "D:\\dst\\locked   FAILED: " + FaultyFileSystem::AccessDenied());
    EXPECT_EQ(view.failed, 1u);
    EXPECT_TRUE(volume.Exists("dst/other/b.txt"));
}

TEST_F(CopyFailure, ReadErrorPartWayIsListedAndSubfoldersAreStillWalked) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/b.txt", "x");
    volume.Write("src/sub/c.txt", "x");
    request.mask = "*.txt";
    faulty.failReadingAfter = [](const std::string& pattern) -> std::optional<int> {
        if (pattern == "D:\\src\\*.txt") return 1;
        return std::nullopt;
    };
    FaultyWalk();
    ASSERT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(view.lines[1], "D:\\dst   FAILED: " + FaultyFileSystem::InputOutputError());
    EXPECT_EQ(view.failed, 1u);
    EXPECT_TRUE(volume.Exists("dst/sub/c.txt"));
}

TEST_F(CopyFailure, FolderWithoutReadPermissionIsListedAsFailed) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    using std::filesystem::perms;
    volume.Write("src/closed/a.txt", "x");
    volume.Write("src/unsearchable/b.txt", "x");  // names can be read, their files not reached
    std::filesystem::permissions(volume.NativePath("src/closed"), perms::none);
    std::filesystem::permissions(volume.NativePath("src/unsearchable"), perms::owner_read);
    Walk();
    std::filesystem::permissions(volume.NativePath("src/closed"), perms::owner_all);
    std::filesystem::permissions(volume.NativePath("src/unsearchable"), perms::owner_all);
    const std::string reason = "   FAILED: " + std::string(std::strerror(EACCES));
    std::sort(view.lines.begin(), view.lines.end());
    EXPECT_EQ(view.lines, (std::vector<std::string>{"D:\\dst\\closed" + reason,
                                                    "D:\\dst\\unsearchable" + reason}));
    EXPECT_EQ(view.failed, 2u);
}

// FIFOs, sockets, devices, dangling links and link loops hold no data to back up.
TEST_F(CopyFailure, EntriesWithoutDataAreNeitherListedNorFailed) {
    ASSERT_EQ(mkfifo(volume.NativePath("src/fifo").c_str(), 0644), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = volume.NativePath("src/socket").string();
    if (listener >= 0 && socketPath.size() < sizeof(address.sun_path)) {
        socketPath.copy(address.sun_path, socketPath.size());
        EXPECT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    }
    if (listener >= 0) close(listener);
    std::filesystem::create_symlink("missing", volume.NativePath("src/dangling"));
    std::filesystem::create_symlink("loop-b", volume.NativePath("src/loop-a"));
    std::filesystem::create_symlink("loop-a", volume.NativePath("src/loop-b"));
    volume.Write("src/.hidden", "h");
    volume.Write("src/locked", "r");
    std::filesystem::permissions(volume.NativePath("src/locked"),
                                 std::filesystem::perms::owner_read);
    std::filesystem::create_symlink("locked", volume.NativePath("src/alias"));
    Walk();
    EXPECT_EQ(view.failed, 0u);
    EXPECT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(volume.Read("dst/.hidden"), "h");
    EXPECT_EQ(volume.Read("dst/locked"), "r");
    EXPECT_EQ(volume.Read("dst/alias"), "r");
}

TEST_F(CopyFailure, CancelDuringALargeCopyKeepsTheOldFile) {
    volume.Write("src/big.bin", std::string(6 << 20, 'n'), 1600000000);
    volume.Write("dst/big.bin", "old", 1500000000);
    view.onPump = [this] { view.cancel = true; };
    Walk();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_TRUE(view.lines[0].ends_with("   FAILED: cancelled")) << view.lines[0];
    EXPECT_EQ(totalKB, 0);
    EXPECT_EQ(volume.Read("dst/big.bin"), "old");
    int entries = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator(volume.NativePath("dst"))) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);  // no temporary file left beside it
}

TEST_F(CopyFailure, ReadOnlyDestinationFolderFailsTheCopy) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    volume.Write("src/a.txt", "x");
    volume.MakeFolder("dst");
    std::filesystem::permissions(volume.NativePath("dst"), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_exec);
    Walk();
    EXPECT_EQ(view.failed, 1u);
    EXPECT_EQ(totalKB, 0);
}

TEST_F(CopyFailure, FolderOnAFullVolumeGivesTheRealReason) {
    volume.MakeFolder("dst");
    const std::string mounted = volume.NativePath("dst").string();
    if (mount("zarvik3-test", mounted.c_str(), "tmpfs", 0, "size=1m,nr_inodes=8") != 0) {
        GTEST_SKIP() << "cannot mount a small volume here: " << std::strerror(errno);
    }
    // Use up every inode, as a full inode table would.
    for (int i = 0; i < 100; ++i) {
        const int fd = open((mounted + "/filler" + std::to_string(i)).c_str(),
                            O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0) break;
        close(fd);
    }
    volume.Write("src/sub/a.txt", "x");
    Walk();
    umount2(mounted.c_str(), MNT_DETACH);
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_TRUE(view.lines[0].ends_with("   FAILED: No space left on device")) << view.lines[0];
}

}  // namespace
}  // namespace zarvik3::test
