#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "support/faulty_file_system.h"
#include "support/temp_drive.h"

namespace zarvik3::test {
namespace {

constexpr std::size_t kBig = 64 * 1024 * 1024;

class FileCopy : public ::testing::Test {
  protected:
    CopyOutcome Copy(const std::string& from, const std::string& to) {
        return drive.fs.CopyFile(TempDrive::Text(from), TempDrive::Text(to), progress);
    }
    mode_t Mode(const std::string& relative) {
        struct stat status {};
        stat(drive.tree.Path(relative).c_str(), &status);
        return status.st_mode & 07777;
    }
    std::string BigContent() {
        std::string content(kBig, '\0');
        for (std::size_t i = 0; i < content.size(); i += 4096) content[i] = static_cast<char>(i);
        return content;
    }

    TempDrive drive;
    CountingProgress progress;
};

TEST_F(FileCopy, CarriesDataPermissionBitsAndExactTimes) {
    drive.tree.Write("src", "payload");
    const struct timespec times[2] = {{1500000000, 111}, {1600000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, drive.tree.Path("src").c_str(), times, 0), 0);
    ASSERT_EQ(chmod(drive.tree.Path("src").c_str(), 0751), 0);
    ASSERT_TRUE(Copy("src", "dst").ok);
    EXPECT_EQ(drive.tree.Read("dst"), "payload");
    EXPECT_EQ(Mode("dst"), 0751u);
    struct stat copied {};
    ASSERT_EQ(stat(drive.tree.Path("dst").c_str(), &copied), 0);
    EXPECT_EQ(copied.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(copied.st_mtim.tv_nsec, 123456789);
    EXPECT_EQ(drive.EntryCount(), 2u);  // no temporary file left behind
}

TEST_F(FileCopy, ReplacesReadOnlyAndHiddenDestinations) {
    drive.tree.Write("src", "new");
    drive.tree.Write("locked", "old");
    drive.tree.Write(".hidden", "old");
    ASSERT_EQ(chmod(drive.tree.Path("locked").c_str(), 0444), 0);
    EXPECT_TRUE(Copy("src", "locked").ok);
    EXPECT_TRUE(Copy("src", ".hidden").ok);
    EXPECT_EQ(drive.tree.Read("locked"), "new");
    EXPECT_EQ(drive.tree.Read(".hidden"), "new");
}

TEST_F(FileCopy, RefusesWhatIsNotAFileToFileCopy) {
    drive.tree.Write("src", "data");
    drive.tree.Write("folder/inside", "kept");
    ASSERT_EQ(mkfifo(drive.tree.Path("fifo").c_str(), 0644), 0);
    const auto onFolder = Copy("src", "folder");
    EXPECT_FALSE(onFolder.ok);
    EXPECT_EQ(onFolder.reason, "Is a directory");
    EXPECT_EQ(Copy("missing", "dst").reason, "No such file or directory");
    EXPECT_FALSE(Copy("fifo", "dst").ok);  // and does not wait for a writer
    EXPECT_FALSE(Copy("src", "src").ok);
    EXPECT_FALSE(Copy("src", "no-folder\\dst").ok);
    EXPECT_EQ(drive.tree.Read("src"), "data");
    EXPECT_FALSE(drive.tree.Exists("dst"));
}

TEST_F(FileCopy, CancelledCopyLeavesTheOldDestination) {
    drive.tree.Write("big", BigContent());
    drive.tree.Write("dst", "old");
    FaultyFileSystem faulty(drive.fs);
    faulty.stopCopyAfterKeepGoing = 2;
    const auto outcome = faulty.CopyFile("D:\\big", "D:\\dst", progress);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "cancelled");
    EXPECT_EQ(progress.calls, 2);
    EXPECT_EQ(drive.tree.Read("dst"), "old");
    EXPECT_EQ(drive.EntryCount(), 2u);
}

TEST_F(FileCopy, AsksAboutGoingOnDuringALongCopy) {
    drive.tree.Write("big", BigContent());
    ASSERT_TRUE(Copy("big", "dst").ok);
    EXPECT_GE(progress.calls, 4);
    EXPECT_TRUE(drive.tree.Read("dst") == drive.tree.Read("big"));
}

// Stands still at the first question, so the parent can kill the copy mid-way.
struct FreezingProgress : CopyProgress {
    int signalFd;
    bool KeepGoing() override {
        const char ready = 1;
        if (write(signalFd, &ready, 1) != 1) _exit(2);
        for (;;) pause();
    }
};

TEST_F(FileCopy, CopyKilledMidWayIsCleanedUpByTheNextCopy) {
    drive.tree.Write("big", BigContent());
    drive.tree.Write("dst", "old");
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FreezingProgress freezing;
        freezing.signalFd = pipeFds[1];
        drive.fs.CopyFile("D:\\big", "D:\\dst", freezing);
        _exit(1);
    }
    close(pipeFds[1]);  // so a child that ends early gives end of file, not a hang
    char ready = 0;
    const bool reached = read(pipeFds[0], &ready, 1) == 1;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(pipeFds[0]);
    ASSERT_TRUE(reached);
    EXPECT_EQ(drive.tree.Read("dst"), "old");
    ASSERT_TRUE(drive.tree.Exists(".dst.zarvik3-part"));
    ASSERT_TRUE(Copy("big", "dst").ok);
    EXPECT_TRUE(drive.tree.Read("dst") == drive.tree.Read("big"));
    EXPECT_FALSE(drive.tree.Exists(".dst.zarvik3-part"));
}

TEST_F(FileCopy, PlantedLinkUnderTheTemporaryNameIsNotFollowed) {
    drive.tree.Write("src", "data");
    drive.tree.Write("victim", "untouched");
    ASSERT_EQ(symlink("victim", drive.tree.Path(".dst.zarvik3-part").c_str()), 0);
    ASSERT_TRUE(Copy("src", "dst").ok);
    EXPECT_EQ(drive.tree.Read("victim"), "untouched");
    EXPECT_EQ(drive.tree.Read("dst"), "data");
}

TEST_F(FileCopy, CopiesNamesTooLongForAPlainTemporaryName) {
    const std::string longName(250, 'n');
    drive.tree.Write("src", "data");
    ASSERT_TRUE(Copy("src", longName).ok);
    EXPECT_EQ(drive.tree.Read(longName), "data");
    EXPECT_EQ(drive.EntryCount(), 2u);
}

TEST_F(FileCopy, CopyComparesEqualToItsSourceAlsoOutsideThePackedRange) {
    // 1975, 2000 and 2150: before, inside and after the packed form's years.
    for (const std::int64_t mtime : {165000000LL, 946728001LL, 5680000001LL}) {
        drive.tree.Write("src", "x", mtime);
        ASSERT_TRUE(Copy("src", "dst").ok);
        const FileStamp source = drive.fs.FileAge("D:\\src");
        ASSERT_NE(source, kNoFile);
        EXPECT_EQ(drive.fs.FileAge("D:\\dst"), source) << mtime;
        // And a newer source is seen as newer.
        drive.tree.SetTime("src", mtime + 2);
        EXPECT_GT(drive.fs.FileAge("D:\\src"), drive.fs.FileAge("D:\\dst")) << mtime;
    }
}

}  // namespace
}  // namespace zarvik3::test
