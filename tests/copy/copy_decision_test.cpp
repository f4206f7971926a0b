#include <gtest/gtest.h>

#include "copy/copy_decision.h"

#include "support/copy_fixture.h"

namespace zarvik3::test {
namespace {

constexpr std::int64_t kSourceTime = 1600000000;

class CopyDecision : public CopyFixture {};

TEST_F(CopyDecision, MissingDestinationIsCopiedWithItsTime) {
    volume.Write("src/a.txt", "hello", kSourceTime);
    Walk();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(volume.Read("dst/a.txt"), "hello");
    EXPECT_EQ(volume.TimeOf("dst/a.txt").seconds, kSourceTime);
    EXPECT_EQ(view.failed, 0u);
}

TEST_F(CopyDecision, EqualTimeIsLeftAlone) {
    volume.Write("src/a.txt", "new", kSourceTime);
    volume.Write("dst/a.txt", "old", kSourceTime);
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(volume.Read("dst/a.txt"), "old");
}

TEST_F(CopyDecision, EditWithinTwoSecondsReachesADestinationThatKeepsFineTimes) {
    volume.Write("src/a.txt", "new", kSourceTime + 1);
    volume.Write("dst/a.txt", "old", kSourceTime);
    volume.Write("src/b.txt", "same", kSourceTime);
    volume.Write("dst/b.txt", "same", kSourceTime);
    volume.SetTime("src/b.txt", {kSourceTime, 500});
    Walk();
    EXPECT_EQ(volume.Read("dst/a.txt"), "new");
    EXPECT_EQ(view.lines.size(), 2u);
    view.ClearList();
    Walk();
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(CopyDecision, EqualTimeButAnotherSizeIsCopiedAgain) {
    volume.Write("src/a.txt", "whole content", kSourceTime);
    volume.Write("dst/a.txt", "whole", kSourceTime);  // cut short by a crash
    Walk();
    EXPECT_EQ(volume.Read("dst/a.txt"), "whole content");
}

TEST(CopyRule, ComparesAtTheResolutionTheDestinationKeeps) {
    DirEntry source;
    source.size = 5;
    source.time = StampFromLocalSeconds(kSourceTime + 1);
    source.fineTime = {kSourceTime + 1, 123456789};
    DestinationState packed;  // as a FAT volume keeps times
    packed.stamp = StampFromLocalSeconds(kSourceTime);
    packed.fineTime = {kSourceTime, 0};
    packed.size = 5;
    EXPECT_FALSE(NeedsCopy(source, packed));
    packed.size = 4;
    EXPECT_TRUE(NeedsCopy(source, packed));
    packed.size.reset();  // not known
    EXPECT_FALSE(NeedsCopy(source, packed));

    DestinationState hundreds = packed;  // 100 ns ticks, as NTFS keeps them
    hundreds.stamp = source.time;
    hundreds.resolution = 100;
    hundreds.fineTime = {kSourceTime + 1, 123456700};
    EXPECT_FALSE(NeedsCopy(source, hundreds));
    hundreds.resolution = 1;
    EXPECT_TRUE(NeedsCopy(source, hundreds));
    hundreds.fineTime = {kSourceTime + 1, 123456790};  // newer by a nanosecond
    hundreds.size = 99;
    EXPECT_FALSE(NeedsCopy(source, hundreds));
    EXPECT_TRUE(NeedsCopy(source, DestinationState{}));
}

TEST_F(CopyDecision, OlderDestinationIsReplaced) {
    volume.Write("src/a.txt", "new", kSourceTime);
    volume.Write("dst/a.txt", "old", kSourceTime - 2);
    Walk();
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(volume.Read("dst/a.txt"), "new");
    EXPECT_EQ(volume.TimeOf("dst/a.txt").seconds, kSourceTime);
}

TEST_F(CopyDecision, NewerDestinationIsNeverReplaced) {
    volume.Write("src/a.txt", "old", kSourceTime);
    volume.Write("dst/a.txt", "newer", kSourceTime + 3600);
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(volume.Read("dst/a.txt"), "newer");
}

TEST_F(CopyDecision, SecondRunFindsEverythingUpToDate) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/sub/b.txt", "y");
    Walk();
    EXPECT_EQ(view.lines.size(), 2u);
    view.ClearList();
    Walk();
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(CopyDecision, DestinationEqualToSourceCopiesNothing) {
    volume.Write("src/a.txt", "x");
    volume.Write("src/sub/b.txt", "y");
    view.to = request.from;
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(volume.Read("src/a.txt"), "x");
}

TEST_F(CopyDecision, LineHoldsDestinationThreeBlanksAndSourceTime) {
    volume.Write("src/sub/a.txt", "x", LocalWallClock(2020, 9, 13, 14, 26, 40));
    volume.Write("src/b.txt", "x", LocalWallClock(2021, 1, 2, 0, 0, 0));
    Walk();
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.lines[0],
              volume.Path("dst\\b.txt") + "   02.01.2021");  // midnight: the date alone
    EXPECT_EQ(view.lines[1], volume.Path("dst\\sub\\a.txt") + "   13.09.2020 14:26:40");
}

TEST_F(CopyDecision, ToTextWithTrailingBackslashGivesSinglePathSeparators) {
    volume.Write("src/sub/a.txt", "x");
    view.to = volume.Path("dst\\");
    Walk();
    ASSERT_EQ(view.Paths().size(), 1u);
    EXPECT_EQ(view.Paths()[0], volume.Path("dst\\sub\\a.txt"));
}

TEST_F(CopyDecision, ReadOnlyDestinationIsStillReplaced) {
    volume.Write("src/a.txt", "new", kSourceTime);
    volume.Write("dst/a.txt", "old", kSourceTime - 10);
    volume.SetReadOnly("dst/a.txt", true);
    Walk();
    EXPECT_EQ(view.failed, 0u);
    EXPECT_EQ(volume.Read("dst/a.txt"), "new");
}

}  // namespace
}  // namespace zarvik3::test
