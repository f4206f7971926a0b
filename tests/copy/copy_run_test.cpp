#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "copy/copy_run.h"
#include "support/copy_fixture.h"
#include "support/copy_run_fakes.h"
#include "support/faulty_file_system.h"

namespace zarvik3::test {
namespace {

class CopyRunTest : public CopyFixture {
  protected:
    CopyRunTest() {
        fakeDrives.types[volume.Path().substr(0, 3)] = kDriveFixed;
        view.from = volume.Path("src");
        values.LastFromDir = "before-from";
        values.LastToDir = "before-to";
        view.lines = {"left over"};
        view.ShowElapsed("Time: 0:01:000");
    }

    void ExpectEndedByMessage(const std::string& message) {
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0], message);
        EXPECT_TRUE(view.lines.empty());
        EXPECT_EQ(view.status, "Checking...");
        EXPECT_TRUE(view.statusShown);
        EXPECT_FALSE(view.elapsedShown);
        EXPECT_EQ(values.LastFromDir, "before-from");
        EXPECT_EQ(values.LastToDir, "before-to");
        EXPECT_EQ(view.recordedCopies, 0);
    }

    FakeDrives fakeDrives;
    FakeClock clock;
    CopyRun run{fs, fakeDrives, clock, view, values, locale};
};

TEST_F(CopyRunTest, MissingFolderTextEndsTheRun) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"", ""},
                                   {volume.Path("src"), ""},
                                   {"", volume.Path("dst")}}) {
        view.messages.clear();
        view.from = from;
        view.to = to;
        run.btCopyClick();
        ExpectEndedByMessage("FROM DIRECTORY or TO FOLDER has not been set");
    }
}

TEST_F(CopyRunTest, UnknownDriveIsNamedAsTyped) {
    view.to = "q:\\backup";
    run.btCopyClick();
    ExpectEndedByMessage("Drive q does not exist or is not available");
    EXPECT_EQ(fakeDrives.typeQueries.back(), "Q:\\");
}

TEST_F(CopyRunTest, NetworkPathWithoutLetterIsNotUsable) {
    view.to = "\\\\server\\share";
    run.btCopyClick();
    ExpectEndedByMessage("Drive \\ does not exist or is not available");
}

TEST_F(CopyRunTest, DriveMessageShowsAWholeFirstCharacter) {
    view.to = "\xc3\xa4pfel";  // äpfel
    run.btCopyClick();
    ExpectEndedByMessage("Drive \xc3\xa4 does not exist or is not available");
}

TEST_F(CopyRunTest, EmptyRemovableDriveIsReported) {
    fakeDrives.types["E:\\"] = kDriveRemovable;
    view.to = "E:\\backup";
    run.btCopyClick();
    ExpectEndedByMessage("Drive E does not exist or is not available");
}

// A disk plugged in after start: the run takes the drives again before it checks the letter.
TEST_F(CopyRunTest, EachRunRefreshesItsConditionsBeforeTheDriveCheck) {
    struct Conditions : RunConditions {
        void Refresh() override { onRefresh(); }
        const LocaleDateSettings& Locale() const override { return locale; }
        std::function<void()> onRefresh;
        LocaleDateSettings locale;
    } conditions;
    int refreshes = 0;
    conditions.onRefresh = [&] {
        ++refreshes;
        fakeDrives.types["E:\\"] = kDriveFixed;
    };
    run.RefreshEachRun(conditions);
    view.to = "E:\\backup";
    run.btCopyClick();
    EXPECT_TRUE(view.messages.empty());
    run.btCopyClick();
    EXPECT_EQ(refreshes, 2);
}

TEST_F(CopyRunTest, EachRunTakesTheTimeZoneAgain) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the zone from its own settings, which a test cannot move";
#else
    volume.Write("src/a.txt", "x", 1600000000);
    view.to = volume.Path("dst");
    run.btCopyClick();
    const std::string before = view.lines.at(0);
    std::filesystem::remove(volume.NativePath("dst/a.txt"));
    const std::string zone = std::getenv("TZ");
    setenv("TZ", "Asia/Tokyo", 1);  // as if the machine had moved, or the clocks gone forward
    run.btCopyClick();
    setenv("TZ", zone.c_str(), 1);
    tzset();
    EXPECT_NE(view.lines.at(0), before);
#endif
}

TEST_F(CopyRunTest, FromTextGetsItsBackslashBeforeTheWalk) {
    std::string seenDuringWalk;
    view.onProcessEvents = [&] { seenDuringWalk = view.from; };
    volume.Write("src/a.txt", "x");
    run.btCopyClick();
    EXPECT_EQ(seenDuringWalk, volume.Path("src\\"));
    EXPECT_EQ(values.LastFromDir, volume.Path("src\\"));
    EXPECT_EQ(values.LastToDir, volume.Path("dst"));
}

TEST_F(CopyRunTest, LabelsWhileWalkingAndAfter) {
    volume.Write("src/a.txt", std::string(2500, 'x'));
    volume.Write("src/sub/b.txt", std::string(1500, 'x'));
    std::string statusDuringWalk;
    bool elapsedDuringWalk = true;
    view.onProcessEvents = [&] {
        statusDuringWalk = view.status;
        elapsedDuringWalk = view.elapsedShown;
    };
    run.btCopyClick();
    EXPECT_EQ(statusDuringWalk, "Checking...");
    EXPECT_FALSE(elapsedDuringWalk);
    EXPECT_EQ(view.status, "2 files copied, in all  3 KB");
    EXPECT_TRUE(view.elapsedShown);
    EXPECT_EQ(view.elapsed, "Time: 0:00:000");
    EXPECT_EQ(view.recordedCopies, 1);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CopyRunTest, SmallFilesOnlyDoNotStampTheHistory) {
    volume.Write("src/a.txt", std::string(999, 'x'));
    volume.Write("src/b.txt", std::string(999, 'x'));
    run.btCopyClick();
    EXPECT_EQ(view.status, "2 files copied, in all  0 KB");
    EXPECT_EQ(view.recordedCopies, 0);
}

TEST_F(CopyRunTest, TotalOfAnEarlierRunIsNotPassedOn) {
    values.TotalKB = 5000;  // as left by a run whose history update failed
    run.btCopyClick();
    EXPECT_EQ(view.status, "0 files copied, in all  0 KB");
    EXPECT_EQ(view.recordedCopies, 0);
}

TEST_F(CopyRunTest, FailedCopiesAreNotCountedAsCopied) {
    volume.Write("src/good.txt", std::string(2000, 'x'));
    volume.Write("src/bad.txt", std::string(9000, 'x'));
    volume.MakeFolder("dst/bad.txt");
    run.btCopyClick();
    EXPECT_EQ(view.status, "1 files copied, in all  2 KB, 1 failed");
}

TEST_F(CopyRunTest, CopiesThatCannotBeNamedAreFailedAndNotCounted) {
    volume.Write("src/a.txt", std::string(2000, 'x'));
    volume.Write("src/b.txt", std::string(3000, 'x'));
    volume.Write("src/c.txt", std::string(5000, 'x'));
    FaultyFileSystem faulty(fs);
    // Whatever the order, one of the two fails after a later line was listed.
    faulty.nameOutcome = [](const std::string& destination) -> std::optional<CopyOutcome> {
        if (destination.ends_with("b.txt")) return std::nullopt;
        return CopyOutcome{false, "Input/output error"};
    };
    CopyRun faultyRun{faulty, fakeDrives, clock, view, values, locale};
    faultyRun.btCopyClick();
    EXPECT_EQ(view.status, "1 files copied, in all  3 KB, 2 failed");
    for (const std::string& line : view.lines) {
        EXPECT_EQ(line.ends_with("   FAILED: Input/output error"),
                  line.find("b.txt") == std::string::npos)
            << line;
    }
}

TEST_F(CopyRunTest, ElapsedTimeOverAnHour) {
    const double start = 45000.25;
    clock.times = {start, start + (3600.0 + 2 * 60 + 5) / 86400.0};
    run.btCopyClick();
    EXPECT_EQ(view.elapsed, "Time: 1:02:05:000");
}

TEST_F(CopyRunTest, ElapsedTimeKeepsMilliseconds) {
    const double start = 45000.25;
    clock.times = {start, start + 65.042 / 86400.0};
    run.btCopyClick();
    EXPECT_EQ(view.elapsed, "Time: 1:05:042");
}

TEST_F(CopyRunTest, CancelledRunSummarisesWhatWasDone) {
    volume.Write("src/a.txt", std::string(3000, 'x'));
    volume.Write("src/sub/b.txt", std::string(3000, 'x'));
    view.onProcessEvents = [this] { values.CancelRequested = true; };
    run.btCopyClick();
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.status, "1 files copied, in all  3 KB");
    EXPECT_EQ(view.recordedCopies, 1);
    EXPECT_EQ(values.LastToDir, volume.Path("dst"));
}

TEST_F(CopyRunTest, FolderTextsAtTheEndAreRemembered) {
    volume.Write("src/a.txt", "x");
    view.onProcessEvents = [this] { view.to = volume.Path("elsewhere"); };
    run.btCopyClick();
    EXPECT_EQ(values.LastToDir, volume.Path("elsewhere"));
}

TEST_F(CopyRunTest, CopyPressedAgainDuringARunIsIgnored) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/b.txt", "x");
    int nested = 0;
    view.onProcessEvents = [&] {
        if (nested++ == 0) run.btCopyClick();
    };
    run.btCopyClick();
    EXPECT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.status, "2 files copied, in all  0 KB");
}

TEST_F(CopyRunTest, ClearDuringTheWalkCountsOnlyLaterLines) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/sub/b.txt", "x");
    bool cleared = false;
    view.onProcessEvents = [&] {
        if (!cleared) view.ClearList();
        cleared = true;
    };
    run.btCopyClick();
    EXPECT_EQ(view.status, "1 files copied, in all  0 KB");
}

}  // namespace
}  // namespace zarvik3::test
