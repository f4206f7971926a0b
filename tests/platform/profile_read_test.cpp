#include <gtest/gtest.h>

#include <string>

#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

constexpr std::size_t kBuffer = 2048;

class ProfileReadTest : public ::testing::Test {
  protected:
    std::string Read(const std::string& content, const std::string& section, const std::string& key,
                     const std::string& fallback = "") {
        // A new time each time, so no cache can take one file for the one before.
        volume.Write("settings.ini", content, {1600000000 + ++writes, 0});
        return volume.Profiles().GetString(Path(), section, key, fallback, kBuffer);
    }
    std::string Path() const { return volume.Path("settings.ini"); }

    ScratchVolume volume;
    int writes = 0;
};

TEST_F(ProfileReadTest, NamesMatchWithoutRegardToCaseOrBlanks) {
    const std::string file = "[ PlimoForm ]\r\n  FromBox = C:\\Data\\ \r\n";
    EXPECT_EQ(Read(file, "plimoform", "FROMBOX"), "C:\\Data\\");
    EXPECT_EQ(Read(file, " PLIMOFORM ", " frombox "), "C:\\Data\\");
}

TEST_F(ProfileReadTest, EveryKindOfLineEndReads) {
    for (const std::string end : {"\r\n", "\n", "\r", "\r\r\n\n"}) {
        const std::string file = "[A]" + end + "one=1" + end + "[B]" + end + "two=2" + end;
        EXPECT_EQ(Read(file, "A", "one"), "1") << "line end of " << end.size();
        EXPECT_EQ(Read(file, "B", "two"), "2") << "line end of " << end.size();
    }
}

TEST_F(ProfileReadTest, MissingPiecesGiveTheDefaultButAnEmptyValueDoesNot) {
    EXPECT_EQ(Read("[A]\r\nk=\r\n", "A", "k", "dflt"), "");
    EXPECT_EQ(Read("[A]\r\nk=\r\n", "A", "other", "dflt"), "dflt");
    EXPECT_EQ(Read("[A]\r\nk=\r\n", "B", "k", "dflt"), "dflt");
    EXPECT_EQ(Read("[A]\r\nk\r\n", "A", "k", "dflt"), "dflt");
    EXPECT_EQ(Read("k=top\r\n[A]\r\n", "A", "k", "dflt"), "dflt");
    EXPECT_EQ(Read("", "A", "k", "dflt  "), "dflt");
    EXPECT_EQ(volume.Profiles().GetString(volume.Path("none.ini"), "A", "k", "x", kBuffer), "x");
}

TEST_F(ProfileReadTest, ValuesKeepEverythingAfterTheFirstEquals) {
    EXPECT_EQ(Read("[A]\r\nk=v ; note\r\n", "A", "k"), "v ; note");
    EXPECT_EQ(Read("[A]\r\nk = a=b\r\n", "A", "k"), "a=b");
    EXPECT_EQ(Read("[A]\r\n;k=comment\r\nk=real\r\n", "A", "k"), "real");
}

TEST_F(ProfileReadTest, OnlyTheFirstMatchingSectionAndKeyCount) {
    const std::string file = "[A]\r\nk=first\r\nK=second\r\n[a]\r\nk=third\r\nz=only here\r\n";
    EXPECT_EQ(Read(file, "A", "k"), "first");
    EXPECT_EQ(Read(file, "A", "z", "dflt"), "dflt");
}

TEST_F(ProfileReadTest, SectionNameRunsToTheLastBracket) {
    EXPECT_EQ(Read("[a]b] tail\r\nk=1\r\n", "a]b", "k"), "1");
    EXPECT_EQ(Read("[open\r\nk=1\r\n", "open", "k", "dflt"), "dflt");
}

TEST_F(ProfileReadTest, OnePairOfMatchingQuotesIsStripped) {
    EXPECT_EQ(Read("[A]\r\nk=\"C:\\x\"\r\n", "A", "k"), "C:\\x");
    EXPECT_EQ(Read("[A]\r\nk='a'\r\n", "A", "k"), "a");
    EXPECT_EQ(Read("[A]\r\nk=\"\"x\"\"\r\n", "A", "k"), "\"x\"");
    EXPECT_EQ(Read("[A]\r\nk=\"a'\r\n", "A", "k"), "\"a'");
    EXPECT_EQ(Read("[A]\r\nk=\"\r\n", "A", "k"), "\"");
}

TEST_F(ProfileReadTest, ALongValueIsCutToOneLessThanTheBuffer) {
    const std::string value(3000, 'x');
    EXPECT_EQ(Read("[A]\r\nk=" + value + "\r\n", "A", "k"), std::string(2047, 'x'));
    EXPECT_EQ(Read("[A]\r\nk=" + std::string(2047, 'y') + "\r\n", "A", "k"),
              std::string(2047, 'y'));
    EXPECT_EQ(volume.Profiles().GetString(Path(), "A", "k", "", 1), "");
    EXPECT_EQ(volume.Profiles().GetString(Path(), "A", "k", "", 0), "");
}

TEST_F(ProfileReadTest, AChangeOnDiskIsSeenEvenBeforeTheFlush) {
    EXPECT_EQ(Read("[A]\r\nk=old\r\n", "A", "k"), "old");
    volume.Write("settings.ini", "[A]\r\nk=newer\r\n", {1700000000, 0});
    EXPECT_EQ(volume.Profiles().GetString(Path(), "A", "k", "", kBuffer), "newer");
}

}  // namespace
}  // namespace zarvik3::test
