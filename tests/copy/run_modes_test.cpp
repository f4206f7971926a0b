#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "copy/copy_run.h"
#include "platform/part_file_name.h"
#include "support/copy_fixture.h"
#include "support/copy_run_fakes.h"
#include "support/faulty_file_system.h"

namespace zarvik3::test {
namespace {

constexpr std::int64_t kOld = 1600000000;
constexpr std::int64_t kNew = kOld + 3600;

// Every entry under a folder with its bytes and last-write time, to prove nothing changed.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string state = std::to_string(entry.last_write_time().time_since_epoch().count());
        if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            state += std::string(std::istreambuf_iterator<char>(file), {});
        }
        entries[entry.path().lexically_relative(root).generic_string()] = state;
    }
    return entries;
}

class RunModes : public CopyFixture {
  protected:
    RunModes() {
        fakeDrives.types[volume.Path().substr(0, 3)] = kDriveFixed;
        volume.MakeFolder("dst");
    }

    CopySummary Run(RunMode mode) {
        request.mode = mode;
        view.lines.clear();
        return run.Run(request, view);
    }
    std::string Line(const std::string& relative) const {
        return volume.Path("dst\\" + relative) + "   ";
    }
    // The line of a file, or empty when none was listed.
    std::string LineOf(const std::string& relative) const {
        const auto found = std::find_if(view.lines.begin(), view.lines.end(), [&](auto& line) {
            return line.starts_with(Line(relative));
        });
        return found == view.lines.end() ? std::string() : *found;
    }

    FakeDrives fakeDrives;
    FakeClock clock;
    CopyRun run{fs, fakeDrives, clock, locale};
};

// A tree in which every rule of the copy fires, and a leftover a copy run would clear away.
TEST_F(RunModes, DryRunListsWhatACopyWouldCopyWithItsReasonAndWritesNothing) {
    volume.Write("src/missing.txt", "new", kOld);
    volume.Write("src/sub/deep/missing.txt", "new", kOld);
    volume.Write("src/older.txt", "new", kNew);
    volume.Write("dst/older.txt", "old", kOld);
    volume.Write("src/cut.txt", std::string(5000, 'x'), kOld);
    volume.Write("dst/cut.txt", "xx", kOld);
    volume.Write("src/equal.txt", "same", kOld);
    volume.Write("dst/equal.txt", "same", kOld);
    volume.Write("src/newer.txt", "old", kOld);
    volume.Write("dst/newer.txt", "new", kNew);
    volume.Write("src/skip.bak", "x", kOld);
    volume.Write("src/other.dat", "x", kOld);
    volume.Write("dst/" + PartFileName("older.txt", 7), "left by a killed run", kOld);
    view.exclude = ".bak";
    request.mask = "*.txt";
    const auto before = Snapshot(volume.NativePath(""));
    const CopySummary summary = Run(RunMode::DryRun);
    EXPECT_EQ(Snapshot(volume.NativePath("")), before);
    EXPECT_EQ(view.lines.size(), 4u);
    EXPECT_TRUE(LineOf("missing.txt").ends_with("   (missing)"));
    EXPECT_TRUE(LineOf("sub\\deep\\missing.txt").ends_with("   (missing)"));
    EXPECT_TRUE(LineOf("older.txt").ends_with("   (older)"));
    EXPECT_TRUE(LineOf("cut.txt").ends_with("   (other size)"));
    EXPECT_EQ(summary.copied, 4u);
    EXPECT_EQ(summary.totalKB, 5);
    // The copy run finds exactly what the dry run listed.
    const std::vector<std::string> listed = view.Paths();
    EXPECT_EQ(Run(RunMode::Copy).copied, 4u);
    EXPECT_EQ(view.Paths(), listed);
}

TEST_F(RunModes, VerifyFailsEveryCopyThatDiffersAndWritesNothing) {
    std::string big(3 * 1024 * 1024, 'b');  // more than one chunk, differing in the third
    volume.Write("src/big.bin", big, kOld);
    big[2500000] = 'c';
    volume.Write("dst/big.bin", big, kOld);
    volume.Write("src/equal.txt", std::string(4000, 'e'), kOld);
    volume.Write("dst/equal.txt", std::string(4000, 'e'), kOld);
    volume.Write("src/rotten.txt", "good bytes", kOld);
    volume.Write("dst/rotten.txt", "goXd bytes", kOld);  // same size and time, other bytes
    volume.Write("src/short.txt", "whole content", kOld);
    volume.Write("dst/short.txt", "whole", kOld);
    volume.Write("src/sub/missing.txt", "x", kOld);
    volume.Write("dst/only-here.txt", "kept, never checked", kOld);
    const auto before = Snapshot(volume.NativePath(""));
    const CopySummary summary = Run(RunMode::Verify);
    EXPECT_EQ(Snapshot(volume.NativePath("")), before);
    EXPECT_TRUE(LineOf("big.bin").ends_with("FAILED: other bytes from byte 2500001"));
    EXPECT_TRUE(LineOf("rotten.txt").ends_with("FAILED: other bytes from byte 3"));
    EXPECT_TRUE(LineOf("short.txt").ends_with("FAILED: other size: 5 bytes, its source 13"));
    EXPECT_TRUE(LineOf("sub\\missing.txt").ends_with("FAILED: missing"));
    EXPECT_EQ(LineOf("equal.txt").find("FAILED"), std::string::npos);
    EXPECT_EQ(LineOf("only-here.txt"), "");
    EXPECT_EQ(summary.failed, 4u);
    EXPECT_EQ(summary.copied, 1u);
    EXPECT_EQ(summary.totalKB, 4);
}

TEST_F(RunModes, ACancelInTheMiddleOfAComparisonLeavesTheFileUnjudged) {
    volume.Write("src/big.bin", std::string(5 * 1024 * 1024, 'b'), kOld);
    volume.Write("dst/big.bin", std::string(5 * 1024 * 1024, 'b'), kOld);
    std::uint64_t seen = 0;
    struct : RecordingObserver {
        std::uint64_t* seen;
        void FileProgress(std::uint64_t done, std::uint64_t) override { *seen = done; }
    } observer;
    observer.seen = &seen;
    observer.to = view.to;
    observer.onPump = [&] { observer.cancel = seen > 0; };
    request.mode = RunMode::Verify;
    const CopySummary summary = run.Run(request, observer);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_TRUE(observer.lines.empty());
    EXPECT_EQ(seen, 1024u * 1024u);
}

// Copies whose bytes on the disk are not their sources', as a failing disk would leave them,
// whether the file system names them later or at once.
TEST_F(RunModes, CheckedCopiesThatDifferWhenReadBackFailAndAreCopiedAgain) {
    volume.Write("src/a.txt", std::string(3000, 'a'), kOld);
    volume.Write("src/staged.txt", std::string(2000, 'b'), kOld);
    volume.Write("src/at-once.txt", std::string(2000, 'c'), kOld);
    volume.Write("src/changed.txt", std::string(2000, 'd'), kOld);
    FaultyFileSystem faulty(fs);
    faulty.copyFile = [&](const std::string& source,
                          const std::string&) -> std::optional<CopyOutcome> {
        if (source.ends_with("changed.txt")) volume.Write("src/changed.txt", "edited", kNew);
        if (!source.ends_with("at-once.txt")) return std::nullopt;
        volume.Write("dst/at-once.txt", std::string(2000, 'x'), kOld);
        return CopyOutcome{};
    };
    faulty.nameOutcome = [&](const std::string& destination) -> std::optional<CopyOutcome> {
        if (destination.ends_with("staged.txt")) {
            volume.Write("dst/staged.txt", std::string(1999, 'b') + "x", kOld);
        }
        return std::nullopt;
    };
    CopyRun checked(faulty, fakeDrives, clock, locale);
    request.checkCopies = true;
    const CopySummary summary = checked.Run(request, view);
    EXPECT_EQ(summary.failed, 2u);
    EXPECT_EQ(summary.totalKB, 5);
    const std::string failure = "FAILED: differs when read back (the next run copies it again): ";
    EXPECT_TRUE(LineOf("staged.txt").ends_with(failure + "other bytes from byte 2000"));
    EXPECT_TRUE(LineOf("at-once.txt").ends_with(failure + "other bytes from byte 1"));
    EXPECT_EQ(LineOf("a.txt").find("FAILED"), std::string::npos);
    EXPECT_EQ(LineOf("changed.txt").find("FAILED"), std::string::npos);  // not the disk's fault
    request.checkCopies = false;
    EXPECT_EQ(Run(RunMode::Copy).copied, 2u);
    EXPECT_EQ(volume.Read("dst/staged.txt"), std::string(2000, 'b'));
}

}  // namespace
}  // namespace zarvik3::test
