#include "platform/posix/unnamed_file_pool.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/temp_tree.h"

namespace zarvik3::test {
namespace {

constexpr gid_t kOtherGroup = 54321;

// Asks until the pool has a file ready; gives up after a generous wait.
ReadyFile TakeReady(UnnamedFilePool& pool, int folder, const std::string& key) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        ReadyFile taken = pool.Take(folder, key, 0640);
        if (taken.file.Valid() || std::chrono::steady_clock::now() > deadline) return taken;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

struct stat StatusOf(const ReadyFile& ready) {
    struct stat status {};
    fstat(ready.file.Get(), &status);
    return status;
}

TEST(UnnamedFilePool, FilesAreMadeNamelessInTheFolderLastAimedAt) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give a folder another group";
    TempTree tree;
    tree.MakeFolder("a");
    tree.MakeFolder("b");
    // Files made in b take its group, so a file of b cannot pass for one of a.
    ASSERT_EQ(chown(tree.Path("b").c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(chmod(tree.Path("b").c_str(), 02755), 0);
    const int a = open(tree.Path("a").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int b = open(tree.Path("b").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    {
        UnnamedFilePool pool;
        EXPECT_FALSE(pool.Take(a, "a/", 0640).file.Valid());  // only aims the pool
        const ReadyFile inA = TakeReady(pool, a, "a/");
        ASSERT_TRUE(inA.file.Valid());
        EXPECT_EQ(inA.mode, 0640u);
        EXPECT_EQ(StatusOf(inA).st_nlink, 0u);
        EXPECT_NE(StatusOf(inA).st_gid, kOtherGroup);

        pool.Take(b, "b/", 0640);
        const ReadyFile inB = TakeReady(pool, b, "b/");
        ASSERT_TRUE(inB.file.Valid());
        EXPECT_EQ(StatusOf(inB).st_gid, kOtherGroup);
        pool.Clear();
        EXPECT_FALSE(pool.Take(b, "b/", 0640).file.Valid());  // nothing kept over a clear
    }
    close(a);
    close(b);
    EXPECT_TRUE(std::filesystem::is_empty(tree.Path("a")));
    EXPECT_TRUE(std::filesystem::is_empty(tree.Path("b")));
}

}  // namespace
}  // namespace zarvik3::test
