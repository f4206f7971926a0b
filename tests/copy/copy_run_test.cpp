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
        request.from = volume.Path("src");
    }

    CopySummary Run() { return run.Run(request, view); }

    void ExpectRefused(const std::string& message) {
        const CopySummary summary = Run();
        EXPECT_EQ(summary.refusal, message);
        EXPECT_TRUE(view.walkStarts.empty());
        EXPECT_TRUE(view.lines.empty());
    }

    FakeDrives fakeDrives;
    FakeClock clock;
    CopyRun run{fs, fakeDrives, clock, locale};
};

TEST_F(CopyRunTest, RunsThatCannotStartSayWhy) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"", ""},
                                   {volume.Path("src"), ""},
                                   {"", volume.Path("dst")}}) {
        request.from = from;
        view.to = to;
        ExpectRefused("FROM DIRECTORY or TO FOLDER has not been set");
    }
    request.from = volume.Path("src");
    view.to = "q:\\backup";
    ExpectRefused("Drive q does not exist or is not available");
    EXPECT_EQ(fakeDrives.typeQueries.back(), "Q:\\");
    view.to = "\\\\server\\share";
    ExpectRefused("Drive \\ does not exist or is not available");
    view.to = "\xc3\xa4pfel";  // äpfel: a whole first character
    ExpectRefused("Drive \xc3\xa4 does not exist or is not available");
    fakeDrives.types["E:\\"] = kDriveRemovable;
    view.to = "E:\\backup";
    ExpectRefused("Drive E does not exist or is not available");
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
    EXPECT_EQ(Run().refusal, "");
    Run();
    EXPECT_EQ(refreshes, 2);
}

TEST_F(CopyRunTest, EachRunTakesTheTimeZoneAgain) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the zone from its own settings, which a test cannot move";
#else
    volume.Write("src/a.txt", "x", 1600000000);
    Run();
    const std::string before = view.lines.at(0);
    std::filesystem::remove(volume.NativePath("dst/a.txt"));
    const std::string zone = std::getenv("TZ");
    setenv("TZ", "Asia/Tokyo", 1);  // as if the machine had moved, or the clocks gone forward
    Run();
    setenv("TZ", zone.c_str(), 1);
    tzset();
    EXPECT_NE(view.lines.at(1), before);
#endif
}

TEST_F(CopyRunTest, TheWalkStartsAtTheFromTextWithItsBackslash) {
    volume.Write("src/a.txt", "x");
    Run();
    EXPECT_EQ(view.walkStarts, std::vector<std::string>{volume.Path("src\\")});
}

TEST_F(CopyRunTest, SummaryCountsCopiesFailuresAndTheTotal) {
    volume.Write("src/a.txt", std::string(2500, 'x'));
    volume.Write("src/sub/b.txt", std::string(1500, 'x'));
    volume.Write("src/c.txt", std::string(999, 'x'));  // adds nothing to the total
    volume.Write("src/bad.txt", std::string(9000, 'x'));
    volume.MakeFolder("dst/bad.txt");
    const CopySummary summary = Run();
    EXPECT_EQ(summary.copied, 3u);
    EXPECT_EQ(summary.failed, 1u);
    EXPECT_EQ(summary.totalKB, 3);
    EXPECT_FALSE(summary.cancelled);
    EXPECT_EQ(Run().totalKB, 0);  // nothing is left to copy, whatever the run before
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
    CopyRun faultyRun{faulty, fakeDrives, clock, locale};
    const CopySummary summary = faultyRun.Run(request, view);
    EXPECT_EQ(summary.copied, 1u);
    EXPECT_EQ(summary.failed, 2u);
    EXPECT_EQ(summary.totalKB, 3);
    for (const std::string& line : view.lines) {
        EXPECT_EQ(line.ends_with("   FAILED: Input/output error"),
                  line.find("b.txt") == std::string::npos)
            << line;
    }
}

TEST_F(CopyRunTest, ElapsedTimeIsTheClocksInMilliseconds) {
    const double start = 45000.25;
    clock.times = {start, start + (3600.0 + 2 * 60 + 5.042) / 86400.0};
    const CopySummary summary = Run();
    EXPECT_EQ(summary.start, start);
    EXPECT_EQ(summary.elapsedMs, 3725042);
}

TEST_F(CopyRunTest, CancelledRunSummarisesWhatWasDone) {
    volume.Write("src/a.txt", std::string(3000, 'x'));
    volume.Write("src/sub/b.txt", std::string(3000, 'x'));
    view.onPump = [this] { view.cancel = true; };
    const CopySummary summary = Run();
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.copied, 1u);
    EXPECT_EQ(summary.totalKB, 3);
}

}  // namespace
}  // namespace zarvik3::test
