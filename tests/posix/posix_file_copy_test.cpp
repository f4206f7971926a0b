#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "platform/part_file_name.h"
#include "platform/posix/look_ahead.h"
#include "platform/posix/name_batch.h"
#include "support/copy_and_name.h"
#include "support/temp_drive.h"

namespace zarvik3::test {
namespace {

constexpr std::size_t kBig = 64 * 1024 * 1024;
constexpr uid_t kOtherUser = 54321;

class PosixFileCopy : public ::testing::Test {
  protected:
    CopyOutcome Copy(const std::string& from, const std::string& to) {
        return CopyAndName(drive.fs, TempDrive::Text(from), TempDrive::Text(to), progress);
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

    // A temporary file of dst as another copy at work holds it: locked. Its name.
    std::string TemporaryOfAnotherCopy() {
        const std::string name = PartFileName("dst", 42);
        lockedFd = open(drive.tree.Path(name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        flock(lockedFd, LOCK_EX);
        return name;
    }
    ~PosixFileCopy() override {
        if (lockedFd >= 0) close(lockedFd);
    }

    int lockedFd = -1;
    TempDrive drive;
    CountingProgress progress;
};

TEST_F(PosixFileCopy, CarriesPermissionBitsAndNanoseconds) {
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

TEST_F(PosixFileCopy, RefusalsTellTheSystemsReasonAndFifosAreNoFiles) {
    drive.tree.Write("src", "data");
    drive.tree.MakeFolder("folder");
    ASSERT_EQ(mkfifo(drive.tree.Path("fifo").c_str(), 0644), 0);
    const auto onFolder = Copy("src", "folder");
    EXPECT_FALSE(onFolder.ok);
    EXPECT_EQ(onFolder.reason, "Is a directory");
    EXPECT_EQ(Copy("missing", "dst").reason, "No such file or directory");
    EXPECT_FALSE(Copy("fifo", "dst").ok);  // and does not wait for a writer
    EXPECT_FALSE(drive.tree.Exists("dst"));
}

// The walk asks, then copies: a file another writer puts there in between is kept, in a
// folder the walk has just had made as well as in one it only looked into.
TEST_F(PosixFileCopy, AFileMadeMeanwhileIsNeverReplaced) {
    drive.tree.Write("src", "ours");
    drive.fs.SweepLeftovers(TempDrive::Text("made"));  // the walk visits a folder not there yet
    ASSERT_TRUE(drive.fs.CreateDirectory(TempDrive::Text("made"), "").ok);
    for (const auto& [text, path] : {std::pair{"made\\new", "made/new"}, std::pair{"top", "top"}}) {
        ASSERT_EQ(drive.fs.StateOf(TempDrive::Text(text)).stamp, kNoFile);
        drive.tree.Write(path, "theirs");
        EXPECT_EQ(Copy("src", text).reason, "File exists");
        EXPECT_EQ(drive.tree.Read(path), "theirs");
    }
    // A link that leads nowhere reads as no file, and the copy takes its place.
    ASSERT_EQ(symlink("nowhere", drive.tree.Path("link").c_str()), 0);
    ASSERT_EQ(drive.fs.StateOf(TempDrive::Text("link")).stamp, kNoFile);
    ASSERT_TRUE(Copy("src", "link").ok);
    EXPECT_EQ(drive.tree.Read("link"), "ours");
    EXPECT_FALSE(std::filesystem::is_symlink(drive.tree.Path("link")));
}

// Volumes without a rename that never replaces (FUSE) give a copy its name another way:
// by a second name where they have them (sshfs), else by a look just before the rename.
TEST_F(PosixFileCopy, WithoutARenameThatKeepsTheNameAFileMadeMeanwhileStaysToo) {
    const UniqueFd folder(open(drive.tree.Root().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const bool links : {true, false}) {
        SCOPED_TRACE(links ? "second names" : "a look first");
        NamingWays ways;
        ways.noReplace = false;
        ways.links = links;
        WrittenCopy copy;
        copy.name = "dst";
        copy.partName = PartFileName("dst", 7);
        drive.tree.Write(copy.partName, "ours");
        drive.tree.Write("dst", "theirs");
        EXPECT_EQ(TakeFreeName(copy, folder.Get(), ways), EEXIST);
        EXPECT_EQ(drive.tree.Read("dst"), "theirs");
        std::filesystem::remove(drive.tree.Path("dst"));
        EXPECT_EQ(TakeFreeName(copy, folder.Get(), ways), 0);
        EXPECT_EQ(drive.tree.Read("dst"), "ours");
        EXPECT_EQ(drive.EntryCount(), 1u);  // the temporary name is gone
        std::filesystem::remove(drive.tree.Path("dst"));
    }
}

// What the walk will ask for is looked up ahead, links followed; a name is answered once,
// and a name never asked for is left to the walk.
TEST(LookAhead, AnswersEachNameAskedForOnce) {
    TempTree tree;
    tree.Write("file", "12345");
    ASSERT_EQ(symlink("file", tree.Path("link").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", tree.Path("dangling").c_str()), 0);
    auto folder = std::make_shared<const UniqueFd>(
        open(tree.Root().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    LookAhead ahead;
    ahead.Ask(folder, {"file", "link", "dangling", "missing"}, 2);
    for (const char* name : {"file", "link"}) {
        const auto found = ahead.Take(name);
        ASSERT_TRUE(found && found->status) << name;
        EXPECT_EQ(found->status->st_size, 5);
        EXPECT_FALSE(found->nameFree);
    }
    const auto dangling = ahead.Take("dangling");
    const auto missing = ahead.Take("missing");
    ASSERT_TRUE(dangling && missing);
    EXPECT_FALSE(dangling->status || dangling->nameFree);
    EXPECT_TRUE(!missing->status && missing->nameFree);
    EXPECT_FALSE(ahead.Take("file"));
    EXPECT_FALSE(ahead.Take("other"));
    ahead.Ask(folder, {"file"}, 1);
    ahead.Forget();
    EXPECT_FALSE(ahead.Take("file"));
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

TEST_F(PosixFileCopy, CopyKilledMidWayIsCleanedUpByTheNextCopy) {
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
    ASSERT_EQ(drive.EntryCount(), 3u);  // the killed copy's leftover
    // Another copy at work holds its temporary file locked; users' files only look alike.
    const std::string working = TemporaryOfAnotherCopy();
    drive.tree.Write(".dst.zarvik3-part", "user's");
    drive.tree.Write(".dst.0123456789abcdef01234567.zarvik3-part", "user's");
    drive.fs.SweepLeftovers("D:\\");
    EXPECT_EQ(drive.EntryCount(), 5u);
    EXPECT_TRUE(drive.tree.Exists(working));
    ASSERT_TRUE(Copy("big", "dst").ok);
    EXPECT_TRUE(drive.tree.Read("dst") == drive.tree.Read("big"));
    EXPECT_EQ(drive.tree.Read(".dst.zarvik3-part"), "user's");
}

TEST_F(PosixFileCopy, HolesStayHoles) {
    const std::string path = drive.tree.Path("sparse");
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_EQ(pwrite(fd, "head", 4, 0), 4);
    ASSERT_EQ(pwrite(fd, "tail", 4, 8 << 20), 4);
    ASSERT_EQ(ftruncate(fd, 16 << 20), 0);  // and a hole at the end
    close(fd);
    struct stat source {};
    ASSERT_EQ(stat(path.c_str(), &source), 0);
    if (source.st_blocks * 512 >= source.st_size) GTEST_SKIP() << "no holes on this volume";
    ASSERT_TRUE(Copy("sparse", "copy").ok);
    struct stat copy {};
    ASSERT_EQ(stat(drive.tree.Path("copy").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_size, source.st_size);
    EXPECT_LE(copy.st_blocks, source.st_blocks + 16);
    EXPECT_TRUE(drive.tree.Read("copy") == drive.tree.Read("sparse"));
}

TEST_F(PosixFileCopy, SetIdBitsStayOnlyWithTheSourceOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to own files as another user";
    drive.tree.Write("tool", "#!");
    const std::string tool = drive.tree.Path("tool");
    ASSERT_EQ(chown(tool.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(chmod(tool.c_str(), 06755), 0);
    ASSERT_TRUE(Copy("tool", "as-root").ok);  // root keeps the owner, so the bits stay
    struct stat copy {};
    ASSERT_EQ(stat(drive.tree.Path("as-root").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_uid, kOtherUser);
    EXPECT_EQ(copy.st_gid, kOtherUser);
    EXPECT_EQ(copy.st_mode & 07777, 06755u);
    // Copied by another user, a root program must not become that user's set-ID program.
    ASSERT_EQ(chown(tool.c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(tool.c_str(), 06755), 0);
    ASSERT_EQ(chmod(drive.tree.Root().c_str(), 0777), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CountingProgress quiet;
        if (setgid(kOtherUser) != 0 || setuid(kOtherUser) != 0) _exit(3);
        drive.fs.Refresh();  // a run starts as the user it runs as
        _exit(CopyAndName(drive.fs, "D:\\tool", "D:\\as-user", quiet).ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(stat(drive.tree.Path("as-user").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_uid, kOtherUser);
    EXPECT_EQ(copy.st_mode & 07777, 0755u);
}

}  // namespace
}  // namespace zarvik3::test
