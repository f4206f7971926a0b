#include <gtest/gtest.h>

#include <string>

#include "support/copy_fixture.h"

namespace zarvik3::test {
namespace {

class WalkEvents : public CopyFixture {
  protected:
    // Three levels, two files at each.
    void MakeDeepTree() {
        for (const std::string folder : {"src", "src/a", "src/a/b"}) {
            volume.Write(folder + "/one.txt", "1");
            volume.Write(folder + "/two.txt", "2");
        }
    }
};

TEST_F(WalkEvents, EventsArePumpedAfterEntriesThatAreNotCopied) {
    volume.Write("src/excluded.tmp", "x");
    volume.Write("src/also.tmp", "x");
    volume.Write("src/current.txt", "x");
    volume.Write("dst/current.txt", "x");
    volume.Write("src/copied.txt", "x");
    view.exclude = "tmp";
    request.includeSubfolders = false;
    Walk();
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.pumps, 4);
}

TEST_F(WalkEvents, EventsArePumpedInTheSubfolderPass) {
    volume.MakeFolder("src/sub");
    request.mask = "";  // no file pass anywhere
    Walk();
    EXPECT_GE(view.pumps, 1);
}

TEST_F(WalkEvents, CancelDeepInTheTreeStopsEverything) {
    MakeDeepTree();
    volume.Write("src/z/late.txt", "x");
    view.onPump = [this] {
        if (view.lines.size() == 5) view.cancel = true;
    };
    Walk();
    EXPECT_EQ(view.lines.size(), 5u);  // the lines written before the cancel remain
    int copied = 0;
    for (const std::string& line : view.Paths()) {
        copied += volume.Exists(line.substr(volume.Path().size())) ? 1 : 0;
    }
    EXPECT_EQ(copied, 5);
}

TEST_F(WalkEvents, ClearDuringTheWalkKeepsOnlyLaterLines) {
    MakeDeepTree();
    bool cleared = false;
    view.onPump = [&] {
        if (!cleared && view.lines.size() == 2) {
            view.ClearList();
            cleared = true;
        }
    };
    Walk();
    EXPECT_EQ(view.lines.size(), 4u);
    EXPECT_TRUE(volume.Exists("dst/a/b/two.txt"));
}

TEST_F(WalkEvents, ToEditAppliesFromTheNextFolder) {
    volume.Write("src/one.txt", "1");
    volume.Write("src/two.txt", "2");
    volume.Write("src/sub/three.txt", "3");
    view.onPump = [this] { view.to = volume.Path("other"); };
    Walk();
    EXPECT_TRUE(volume.Exists("dst/one.txt"));
    EXPECT_TRUE(volume.Exists("dst/two.txt"));
    EXPECT_TRUE(volume.Exists("other/sub/three.txt"));
}

}  // namespace
}  // namespace zarvik3::test
