#include <gtest/gtest.h>

#include "support/copy_fixture.h"

namespace zarvik3::test {
namespace {

constexpr std::int64_t kSourceTime = 1600000000;

class CopyDecision : public CopyFixture {};

TEST_F(CopyDecision, MissingDestinationIsCopiedWithItsTime) {
    tree.Write("src/a.txt", "hello", kSourceTime);
    Walk();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(tree.Read("dst/a.txt"), "hello");
    EXPECT_EQ(tree.Time("dst/a.txt"), kSourceTime);
    EXPECT_EQ(view.failed, 0u);
}

TEST_F(CopyDecision, EqualTimeIsLeftAlone) {
    tree.Write("src/a.txt", "new", kSourceTime);
    tree.Write("dst/a.txt", "old", kSourceTime);
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(tree.Read("dst/a.txt"), "old");
}

TEST_F(CopyDecision, TimesWithinTwoSecondsCountAsEqual) {
    // The packed form keeps even seconds only, as a FAT destination does.
    tree.Write("src/a.txt", "new", kSourceTime + 1);
    tree.Write("dst/a.txt", "old", kSourceTime);
    Walk();
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(CopyDecision, OlderDestinationIsReplaced) {
    tree.Write("src/a.txt", "new", kSourceTime);
    tree.Write("dst/a.txt", "old", kSourceTime - 2);
    Walk();
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(tree.Read("dst/a.txt"), "new");
    EXPECT_EQ(tree.Time("dst/a.txt"), kSourceTime);
}

TEST_F(CopyDecision, NewerDestinationIsNeverReplaced) {
    tree.Write("src/a.txt", "old", kSourceTime);
    tree.Write("dst/a.txt", "newer", kSourceTime + 3600);
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(tree.Read("dst/a.txt"), "newer");
}

TEST_F(CopyDecision, SecondRunFindsEverythingUpToDate) {
    tree.Write("src/a.txt", "x");
    tree.Write("src/sub/b.txt", "y");
    Walk();
    EXPECT_EQ(view.lines.size(), 2u);
    view.ClearList();
    Walk();
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(CopyDecision, DestinationEqualToSourceCopiesNothing) {
    tree.Write("src/a.txt", "x");
    tree.Write("src/sub/b.txt", "y");
    view.to = view.from;
    Walk();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(tree.Read("src/a.txt"), "x");
}

TEST_F(CopyDecision, LineHoldsDestinationThreeBlanksAndSourceTime) {
    tree.Write("src/sub/a.txt", "x", LocalWallClock(2020, 9, 13, 14, 26, 40));
    tree.Write("src/b.txt", "x", LocalWallClock(2021, 1, 2, 0, 0, 0));
    Walk();
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.lines[0], "D:\\dst\\b.txt   02.01.2021");  // midnight: the date alone
    EXPECT_EQ(view.lines[1], "D:\\dst\\sub\\a.txt   13.09.2020 14:26:40");
}

TEST_F(CopyDecision, ToTextWithTrailingBackslashGivesSinglePathSeparators) {
    tree.Write("src/sub/a.txt", "x");
    view.to = "D:\\dst\\";
    Walk();
    ASSERT_EQ(view.Paths().size(), 1u);
    EXPECT_EQ(view.Paths()[0], "D:\\dst\\sub\\a.txt");
}

TEST_F(CopyDecision, ReadOnlyDestinationIsStillReplaced) {
    tree.Write("src/a.txt", "new", kSourceTime);
    tree.Write("dst/a.txt", "old", kSourceTime - 10);
    std::filesystem::permissions(tree.Path("dst/a.txt"), std::filesystem::perms::owner_read);
    Walk();
    EXPECT_EQ(view.failed, 0u);
    EXPECT_EQ(tree.Read("dst/a.txt"), "new");
}

}  // namespace
}  // namespace zarvik3::test
