#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "copy/exclusions.h"
#include "support/copy_fixture.h"

namespace zarvik3::test {
namespace {

TEST(ParseExclusions, EmptyAndBarAloneExcludeNothing) {
    for (const std::string text : {"", "|", "||"}) {
        const Exclusions x = ParseExclusions(text);
        EXPECT_FALSE(x.Excludes("a")) << text;
        EXPECT_FALSE(x.Excludes("|")) << text;
    }
}

TEST(ParseExclusions, AThirdStringIsIgnored) {
    const Exclusions x = ParseExclusions("a|b|c");
    EXPECT_TRUE(x.Excludes("xax"));
    EXPECT_TRUE(x.Excludes("b"));
    EXPECT_FALSE(x.Excludes("c"));
}

TEST(ParseExclusions, OneStringBesideABar) {
    for (const std::string text : {"|tmp", "tmp|"}) {
        const Exclusions x = ParseExclusions(text);
        EXPECT_TRUE(x.Excludes("a.tmp")) << text;
        EXPECT_FALSE(x.Excludes("a.txt")) << text;
    }
}

TEST(ParseExclusions, WithoutABarTheWholeTextIsOneString) {
    const Exclusions x = ParseExclusions(".o ");
    EXPECT_TRUE(x.Excludes("a.o b"));
    EXPECT_FALSE(x.Excludes("a.o"));  // the trailing blank belongs to the string
}

class ExclusionWalk : public CopyFixture {
  protected:
    bool Listed(const std::string& path) const {
        const auto paths = view.Paths();
        return std::find(paths.begin(), paths.end(), path) != paths.end();
    }
};

TEST_F(ExclusionWalk, SubstringsAreCaseSensitive) {
    for (const char* name : {"minutes.bak", "notes.~txt", "x.bak.old", "REPORT.BAK", "plain"}) {
        volume.Write(std::string("src/") + name, "x");
    }
    view.exclude = ".~|.bak";
    Walk();
    EXPECT_EQ(view.lines.size(), 2u);
    EXPECT_TRUE(Listed(volume.Path("dst\\REPORT.BAK")));
    EXPECT_TRUE(Listed(volume.Path("dst\\plain")));
    EXPECT_FALSE(volume.Exists("dst/minutes.bak"));
    EXPECT_FALSE(volume.Exists("dst/notes.~txt"));
    EXPECT_FALSE(volume.Exists("dst/x.bak.old"));
}

TEST_F(ExclusionWalk, ExcludedFolderNamesAreStillWalked) {
    volume.Write("src/old.bak/keep.txt", "x");
    volume.Write("src/old.bak/drop.bak", "x");
    view.exclude = ".bak";
    Walk();
    EXPECT_TRUE(volume.Exists("dst/old.bak/keep.txt"));
    EXPECT_FALSE(volume.Exists("dst/old.bak/drop.bak"));
}

TEST_F(ExclusionWalk, AnEditTakesEffectFromTheNextFolder) {
    volume.Write("src/a.tmp", "x");
    volume.Write("src/sub/b.tmp", "x");
    view.onPump = [this] { view.exclude = "tmp"; };
    Walk();
    EXPECT_TRUE(volume.Exists("dst/a.tmp"));
    EXPECT_FALSE(volume.Exists("dst/sub/b.tmp"));
}

}  // namespace
}  // namespace zarvik3::test
