// Copy runs through the window's behaviour, with the commands a user may choose meanwhile.
#include <stdexcept>

#include "support/faulty_file_system.h"
#include "window_fixture.h"

namespace zarvik3::test {
namespace {

using WindowRun = WindowTest;

TEST_F(WindowRun, CopiesTheTreeAndReportsTheSummary) {
    MakeSource(3);
    volume.Write("src/old.bak", "excluded");
    view.exclude = ".bak";
    FillFolders();
    Copy();
    ASSERT_EQ(view.lines.size(), 4u);
    EXPECT_TRUE(StartsWith(view.lines[3], volume.Path("dst\\sub\\deep.txt   "))) << view.lines[3];
    EXPECT_EQ(view.status, "4 files copied, in all  2 KB");
    EXPECT_TRUE(StartsWith(view.elapsed.value_or(""), "Time: 0:0"));
    EXPECT_EQ(view.from, volume.Path("src\\"));
    EXPECT_EQ(volume.Read("dst/sub/deep.txt"), std::string(2500, 'x'));
    EXPECT_FALSE(volume.Exists("dst/old.bak"));
    EXPECT_EQ(values.LastFromDir, volume.Path("src\\"));
    EXPECT_EQ(values.LastToDir, volume.Path("dst"));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.errors.empty());
    Copy();  // up to date: nothing listed, and the total starts afresh
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(view.status, "0 files copied, in all  0 KB");
}

TEST_F(WindowRun, ARefusedRunShowsItsMessageAndKeepsEverythingElse) {
    view.from = volume.Path("src");
    view.elapsed = "Time: 0:01:000";
    view.lines = {"left over"};
    Copy();
    EXPECT_EQ(view.messages,
              std::vector<std::string>{"FROM DIRECTORY or TO FOLDER has not been set"});
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(view.status, "Checking...");
    EXPECT_FALSE(view.elapsed);
    EXPECT_EQ(view.from, volume.Path("src"));
    EXPECT_TRUE(values.LastFromDir.empty());
    EXPECT_FALSE(view.lastCopyShown);
}

TEST_F(WindowRun, CancelStopsTheWalkAndACancelBeforeARunIsForgotten) {
    MakeSource(30);
    FillFolders();
    window->Abort1Click();  // outside a run
    view.onPump = [this] {
        if (view.lines.size() >= 2) window->Handle(&PlimoWindow::Abort1Click);
    };
    Copy();
    const std::size_t listed = view.lines.size();
    EXPECT_GE(listed, 2u);
    EXPECT_LT(listed, 31u);
    EXPECT_EQ(view.status, std::to_string(listed) + " files copied, in all  0 KB");
    EXPECT_FALSE(volume.Exists("dst/sub/deep.txt"));
}

TEST_F(WindowRun, ClearDuringTheWalkCountsOnlyLaterLinesAndAfterItKeepsTheTime) {
    MakeSource(20);
    FillFolders();
    std::size_t clearedAt = 0;
    view.onPump = [&] {
        if (clearedAt > 0 || view.lines.size() < 5) return;
        clearedAt = view.lines.size();
        window->Handle(&PlimoWindow::Clear1Click);
    };
    Copy();
    ASSERT_GE(clearedAt, 5u);
    EXPECT_EQ(view.lines.size(), 21u - clearedAt);
    EXPECT_EQ(view.status, std::to_string(view.lines.size()) + " files copied, in all  2 KB");
    const std::optional<std::string> elapsed = view.elapsed;
    window->Clear1Click();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_FALSE(view.status);
    EXPECT_EQ(view.elapsed, elapsed);
}

TEST_F(WindowRun, ASecondCopyDuringARunIsIgnored) {
    MakeSource(20);
    FillFolders();
    view.onPump = [this] {
        if (view.lines.size() == 3) Copy();
    };
    Copy();
    EXPECT_EQ(view.lines.size(), 21u);
    EXPECT_EQ(view.status, "21 files copied, in all  2 KB");
}

TEST_F(WindowRun, ClosingDuringARunCancelsAndClosesOnceItEnds) {
    MakeSource(30);
    FillFolders();
    std::optional<bool> closedAtOnce;
    view.onPump = [&] {
        if (!closedAtOnce && view.lines.size() >= 2) closedAtOnce = window->CloseRequested();
    };
    Copy();
    EXPECT_EQ(closedAtOnce, false);
    EXPECT_EQ(view.closes, 1);
    EXPECT_TRUE(closed);
    EXPECT_LT(view.lines.size(), 31u);
    EXPECT_NE(Settings().find("FromBox=" + volume.Path("src\\")), std::string::npos);
}

TEST_F(WindowRun, AWalkErrorEndsTheRunWithoutSummaryAndTheWindowGoesOn) {
    std::unique_ptr<FileSystem> real = std::move(volume.Services().fileSystem);
    auto faulty = std::make_unique<FaultyFileSystem>(*real);
    bool failing = true;
    faulty->failFindFirst = [&](const std::string& pattern) {
        if (failing && pattern.find("\\sub\\") != std::string::npos) {
            throw std::runtime_error("The device is not ready");
        }
        return false;
    };
    volume.Services().fileSystem = std::move(faulty);
    window.reset();
    Open();
    MakeSource(2);
    FillFolders();
    Copy();
    EXPECT_EQ(view.errors, std::vector<std::string>{"The device is not ready"});
    EXPECT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.status, "Checking...");
    EXPECT_FALSE(view.elapsed);
    EXPECT_TRUE(values.LastFromDir.empty());
    failing = false;
    Copy();
    EXPECT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.status, "1 files copied, in all  2 KB");
    volume.Services().fileSystem = std::move(real);
}

TEST_F(WindowRun, ExitAndAboutGoToTheFace) {
    window->Handle(&PlimoWindow::About1Click);
    window->Handle(&PlimoWindow::File1Click);
    EXPECT_EQ(view.abouts, 1);
    EXPECT_EQ(view.closes, 1);
    EXPECT_TRUE(closed);
}

// A copy whose naming fails after the user cleared its line is not marked on another line.
TEST(ListedLines, ALineClearedAwayIsNeverMarked) {
    RecordingView view;
    ListedLines lines(view);
    const std::size_t cleared = lines.Append("a");
    lines.Clear();
    const std::size_t kept = lines.Append("b");
    lines.Append("c");
    lines.MarkFailed(cleared, " FAILED");
    lines.MarkFailed(kept, " FAILED");
    EXPECT_EQ(view.lines, (std::vector<std::string>{"b FAILED", "c"}));
    EXPECT_EQ(lines.Count(), 2u);
    EXPECT_EQ(lines.FailedCount(), 1u);
}

}  // namespace
}  // namespace zarvik3::test
