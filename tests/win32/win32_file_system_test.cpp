#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "platform/part_file_name.h"
#include "platform/win32/win32_file_system.h"
#include "win32/win32_temp_tree.h"

namespace zarvik3 {
namespace {

using test::Win32TempTree;

class CallbackProgress : public CopyProgress {
  public:
    explicit CallbackProgress(std::function<bool()> answer) : answer_(std::move(answer)) {}
    bool KeepGoing() override { return answer_(); }

  private:
    std::function<bool()> answer_;
};

class Win32FileSystemTest : public ::testing::Test {
  protected:
    CopyOutcome Copy(
        const std::string& from, const std::string& to,
        std::function<bool()> answer = [] { return true; }) {
        CallbackProgress progress(std::move(answer));
        return fs.CopyFile(tree.Path(from), tree.Path(to), progress);
    }
    std::vector<std::string> Listed(const std::string& pattern, std::uint32_t filter) {
        std::vector<std::string> names;
        std::string failure;
        auto entries = fs.FindFirst(tree.Path(pattern), filter, EntryDetail::Full, failure);
        EXPECT_EQ(failure, "");
        DirEntry entry;
        while (entries && entries->Next(entry)) names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    Win32TempTree tree;
    Win32FileSystem fs;
};

TEST_F(Win32FileSystemTest, ReadOnlyDestinationIsReplacedByACopyKeepingTimeAndAttributes) {
    tree.Write("from.txt", "new", 1700000001, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    tree.Write("to.txt", "old", 1500000000, FILE_ATTRIBUTE_READONLY);
    const CopyOutcome outcome = Copy("from.txt", "to.txt");
    ASSERT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_EQ(tree.Read("to.txt"), "new");
    EXPECT_EQ(tree.Attributes("to.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN});
    const DestinationState state = fs.StateOf(tree.Path("to.txt"));
    EXPECT_EQ(state.fineTime, (FileTime{1700000001, 0}));
    EXPECT_EQ(state.size, 3u);
    EXPECT_EQ(tree.Names().size(), 2u);
}

TEST_F(Win32FileSystemTest, RefusedCopiesLeaveEverythingAsItWas) {
    // More than one chunk, so the copy is asked whether to go on.
    tree.Write("from.txt", std::string(5 << 20, 'n'));
    tree.Write("to.txt", "old", 1500000000, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Copy("from.txt", "to.txt", [] { return false; }).reason, "cancelled");
    const auto growSource = [&] {
        HANDLE writer =
            CreateFileW(LongPath(tree.Path("from.txt")).c_str(), FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD written = 0;
        WriteFile(writer, "!", 1, &written, nullptr);
        CloseHandle(writer);
        return true;
    };
    EXPECT_EQ(Copy("from.txt", "to.txt", growSource).reason, "changed while copied");
    EXPECT_EQ(tree.Read("to.txt"), "old");
    EXPECT_NE(tree.Attributes("to.txt") & FILE_ATTRIBUTE_READONLY, 0u);
    // Held open without delete sharing, the destination cannot be replaced: the read-only
    // bit cleared for the attempt comes back.
    HANDLE held =
        CreateFileW(LongPath(tree.Path("to.txt")).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(Copy("from.txt", "to.txt").ok);
    CloseHandle(held);
    EXPECT_NE(tree.Attributes("to.txt") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_FALSE(Copy("to.txt", "to.txt").ok);
    EXPECT_EQ(tree.Read("to.txt"), "old");
    ASSERT_TRUE(fs.CreateDirectory(tree.Path("folder"), "").ok);
    EXPECT_FALSE(Copy("from.txt", "folder").ok);
    EXPECT_TRUE(fs.DirectoryExists(tree.Path("folder")));
    EXPECT_EQ(tree.Names().size(), 3u);
}

TEST_F(Win32FileSystemTest, PathsBeyondTheOldLimitWork) {
    std::string deep = tree.Path("");
    for (int level = 0; level < 6; ++level) deep += std::string(60, char('a' + level)) + "\\";
    ASSERT_TRUE(ForceDirectories(fs, deep).ok);
    ASSERT_TRUE(fs.DirectoryExists(deep));
    tree.Write("from.txt", "data", 1600000000);
    CallbackProgress progress([] { return true; });
    const CopyOutcome outcome = fs.CopyFile(tree.Path("from.txt"), deep + "to.txt", progress);
    ASSERT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_EQ(fs.FileAge(deep + "to.txt"), fs.FileAge(tree.Path("from.txt")));
    EXPECT_NE(fs.FileAge(deep + "to.txt"), kNoFile);
    auto entries = fs.FindFirst(deep + "*.*", kFilterFiles, EntryDetail::Full);
    DirEntry entry;
    ASSERT_TRUE(entries && entries->Next(entry));
    EXPECT_EQ(entry.name, "to.txt");
    EXPECT_EQ(entry.fineTime, (FileTime{1600000000, 0}));
    EXPECT_TRUE(fs.SameFolder(deep, deep + "..\\" + std::string(60, 'f')));
    wchar_t before[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, before);
    EXPECT_TRUE(fs.SetCurrentDirectory(deep));
    EXPECT_EQ(GetFileAttributesW(L"to.txt") & FILE_ATTRIBUTE_DIRECTORY, 0u);
    SetCurrentDirectoryW(before);
}

TEST_F(Win32FileSystemTest, EnumerationFiltersAsTheFilterValuesSay) {
    tree.Write("plain.txt", "x");
    tree.Write("hidden.txt", "x", 1600000000, FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(fs.CreateDirectory(tree.Path("sub"), "").ok);
    EXPECT_EQ(Listed("*.*", kFilterFiles), (std::vector<std::string>{"hidden.txt", "plain.txt"}));
    EXPECT_EQ(Listed("*", kFilterFolders), (std::vector<std::string>{"plain.txt", "sub"}));
    EXPECT_EQ(Listed("sub\\*", kFilterFolders), std::vector<std::string>{});
    EXPECT_EQ(Listed("missing\\*", kFilterFolders), std::vector<std::string>{});
    auto files = fs.FindFirst(tree.Path("*.txt"), kFilterFiles, EntryDetail::Full);
    DirEntry entry;
    while (files && files->Next(entry)) {
    }
    ASSERT_TRUE(files);
    EXPECT_FALSE(files->MetNoFolder());  // "sub" is not among the names matched
}

// A link to a file is that file, as the copy reads through it; a dangling one is never copied.
TEST_F(Win32FileSystemTest, FileLinksAreListedAsTheirTargets) {
    tree.Write("target.txt", "12345", 1600000000);
    const auto link = [&](const char* name, const char* target) {
        return CreateSymbolicLinkW(LongPath(tree.Path(name)).c_str(), Widen(target).c_str(),
                                   SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
    };
    if (!link("link.txt", "target.txt") || !link("dangling.txt", "gone.txt")) {
        GTEST_SKIP() << "no symbolic links here (error " << GetLastError() << ")";
    }
    const std::vector<std::string> names = tree.Names();
    if (std::find(names.begin(), names.end(), "link.txt") == names.end()) {
        GTEST_SKIP() << "the system's search lists no symbolic links here (Wine 8)";
    }
    auto entries = fs.FindFirst(tree.Path("*"), kFilterFiles, EntryDetail::Full);
    DirEntry entry;
    while (entries && entries->Next(entry)) {
        if (entry.name == "link.txt") {
            EXPECT_EQ(entry.size, 5u);
            EXPECT_EQ(entry.fineTime, (FileTime{1600000000, 0}));
        }
        if (entry.name == "dangling.txt") {
            EXPECT_NE(entry.attributes & kAttrSystem, 0u);
        }
    }
}

TEST_F(Win32FileSystemTest, SweepRemovesOnlyTheProgramsOwnUnusedTemporaries) {
    const std::string leftover = PartFileName("a.txt", 1);
    const std::string writing = PartFileName("b.txt", 2);
    tree.Write(leftover, "x", 1600000000, FILE_ATTRIBUTE_READONLY);
    tree.Write(writing, "x");
    tree.Write(".a.txt.0000000000000001ffffffff.zarvik3-part", "a user's file");
    HANDLE held = CreateFileW(LongPath(tree.Path(writing)).c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    fs.SweepLeftovers(tree.Root());
    CloseHandle(held);
    std::vector<std::string> names = tree.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{".a.txt.0000000000000001ffffffff.zarvik3-part", writing}));
}

}  // namespace
}  // namespace zarvik3
