#include <gtest/gtest.h>

#include <string>

#include "support/copy_and_name.h"
#include "support/counting_progress.h"
#include "support/faulty_file_system.h"
#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

constexpr std::size_t kBig = 64 * 1024 * 1024;

// Grows the source at the first question, as a program writing it would.
struct AppendingProgress : CopyProgress {
    const ScratchVolume* volume = nullptr;
    bool KeepGoing() override {
        volume->Append("big", "more");
        return true;
    }
};

class FileCopy : public ::testing::Test {
  protected:
    CopyOutcome Copy(const std::string& from, const std::string& to) {
        return CopyAndName(volume.Files(), volume.Path(from), volume.Path(to), progress);
    }
    std::string BigContent() {
        std::string content(kBig, '\0');
        for (std::size_t i = 0; i < content.size(); i += 4096) content[i] = static_cast<char>(i);
        return content;
    }

    ScratchVolume volume;
    CountingProgress progress;
};

// 100 ns is the finest tick both systems keep.
TEST_F(FileCopy, CarriesDataReadOnlyBitAndExactTimes) {
    volume.Write("src", "payload", {1600000000, 123456700});
    volume.SetReadOnly("src", true);
    ASSERT_TRUE(Copy("src", "dst").ok);
    EXPECT_EQ(volume.Read("dst"), "payload");
    EXPECT_TRUE(volume.IsReadOnly("dst"));
    EXPECT_EQ(volume.TimeOf("dst"), (FileTime{1600000000, 123456700}));
    EXPECT_EQ(volume.EntryCount(), 2u);  // no temporary file left behind
}

TEST_F(FileCopy, ReplacesReadOnlyAndHiddenDestinations) {
    volume.Write("src", "new");
    volume.Write("locked", "old");
    volume.SetReadOnly("locked", true);
    volume.Write("secret", "old");
    const std::string hidden = volume.Hide("secret");
    EXPECT_TRUE(Copy("src", "locked").ok);
    EXPECT_TRUE(Copy("src", hidden).ok);
    EXPECT_EQ(volume.Read("locked"), "new");
    EXPECT_EQ(volume.Read(hidden), "new");
}

TEST_F(FileCopy, RefusesWhatIsNotAFileToFileCopy) {
    volume.Write("src", "data");
    volume.Write("folder\\inside", "kept");
    const auto onFolder = Copy("src", "folder");
    EXPECT_FALSE(onFolder.ok);
    EXPECT_NE(onFolder.reason, "");
    EXPECT_EQ(volume.Read("folder\\inside"), "kept");
    const auto missing = Copy("missing", "dst");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.reason, "");
    EXPECT_FALSE(Copy("src", "src").ok);
    EXPECT_FALSE(Copy("src", "no-folder\\dst").ok);
    EXPECT_EQ(volume.Read("src"), "data");
    EXPECT_FALSE(volume.Exists("dst"));
}

TEST_F(FileCopy, CancelledCopyLeavesTheOldDestinationOrNone) {
    volume.Write("big", BigContent());
    volume.Write("dst", "old");
    FaultyFileSystem faulty(volume.Files());
    faulty.stopCopyAfterKeepGoing = 2;
    const auto outcome = CopyAndName(faulty, volume.Path("big"), volume.Path("dst"), progress);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "cancelled");
    EXPECT_EQ(progress.calls, 2);
    EXPECT_EQ(volume.Read("dst"), "old");
    EXPECT_FALSE(CopyAndName(faulty, volume.Path("big"), volume.Path("new"), progress).ok);
    EXPECT_FALSE(volume.Exists("new"));
    EXPECT_EQ(volume.EntryCount(), 2u);
}

TEST_F(FileCopy, AsksAboutGoingOnDuringALongCopy) {
    volume.Write("big", BigContent());
    ASSERT_TRUE(Copy("big", "dst").ok);
    EXPECT_GE(progress.calls, 4);
    EXPECT_TRUE(volume.Read("dst") == volume.Read("big"));
}

TEST_F(FileCopy, SourceChangedWhileCopiedIsNotPublished) {
    volume.Write("big", BigContent());
    volume.Write("dst", "old");
    AppendingProgress appending;
    appending.volume = &volume;
    const auto outcome =
        CopyAndName(volume.Files(), volume.Path("big"), volume.Path("dst"), appending);
    EXPECT_EQ(outcome.reason, "changed while copied");
    EXPECT_EQ(volume.Read("dst"), "old");
    EXPECT_EQ(volume.EntryCount(), 2u);
}

TEST_F(FileCopy, CopiesNamesTooLongForAPlainTemporaryName) {
    const std::string longName(250, 'n');
    volume.Write("src", "data");
    ASSERT_TRUE(Copy("src", longName).ok);
    EXPECT_EQ(volume.Read(longName), "data");
    EXPECT_EQ(volume.EntryCount(), 2u);
}

TEST_F(FileCopy, CopyComparesEqualToItsSourceAlsoOutsideThePackedRange) {
    // 1975, 2000 and 2150: before, inside and after the packed form's years.
    for (const std::int64_t mtime : {165000000LL, 946728001LL, 5680000001LL}) {
        volume.Write("src", "x", {mtime, 0});
        ASSERT_TRUE(Copy("src", "dst").ok);
        const FileStamp source = volume.Files().FileAge(volume.Path("src"));
        ASSERT_NE(source, kNoFile);
        EXPECT_EQ(volume.Files().FileAge(volume.Path("dst")), source) << mtime;
        // And a newer source is seen as newer.
        volume.SetTime("src", {mtime + 2, 0});
        EXPECT_GT(volume.Files().FileAge(volume.Path("src")),
                  volume.Files().FileAge(volume.Path("dst")))
            << mtime;
    }
}

}  // namespace
}  // namespace zarvik3::test
