#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/drive_map.h"
#include "platform/posix/posix_profile_file.h"
#include "support/temp_tree.h"

namespace zarvik3 {
namespace {

constexpr std::size_t kBuffer = 2048;

class ProfileReadTest : public ::testing::Test {
  protected:
    std::string Read(const std::string& content, const std::string& section, const std::string& key,
                     const std::string& fallback = "") {
        tree.Write("settings.ini", content);
        PosixProfileFile fresh = PosixProfileFile::ForNativePaths();
        return fresh.GetString(Path(), section, key, fallback, kBuffer);
    }
    std::string Path() const { return tree.Path("settings.ini").string(); }

    test::TempTree tree;
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
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(profiles.GetString(tree.Path("none.ini").string(), "A", "k", "x", kBuffer), "x");
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
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", 1), "");
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", 0), "");
}

TEST_F(ProfileReadTest, AUtf8ByteOrderMarkIsSkipped) {
    EXPECT_EQ(Read("\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k"), "v");
}

TEST_F(ProfileReadTest, TruncatedAndBinaryFilesReadWithoutHarm) {
    EXPECT_EQ(Read("[A]\r\nk=va", "A", "k"), "va");
    EXPECT_EQ(Read("[A", "A", "k", "d"), "d");
    const std::string nul("[A]\0\r\nk=a\0b\r\n", 14);
    EXPECT_EQ(Read(nul, "A", "k", "d"), std::string("a\0b", 3));
    std::string noise;
    for (int i = 0; i < 65536; ++i) noise += static_cast<char>((i * 7919 + i / 251) & 0xFF);
    EXPECT_NO_THROW(Read(noise, "A", "k"));
    EXPECT_EQ(Read(noise + "\n[A]\nk=found\n", "A", "k"), "found");
}

TEST_F(ProfileReadTest, AFolderOrAFifoUnderTheNameGivesTheDefault) {
    tree.MakeFolder("folder.ini");
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(profiles.GetString(tree.Path("folder.ini").string(), "A", "k", "d", kBuffer), "d");
    ASSERT_EQ(mkfifo(tree.Path("fifo.ini").c_str(), 0600), 0);
    EXPECT_EQ(profiles.GetString(tree.Path("fifo.ini").string(), "A", "k", "d", kBuffer), "d");
}

TEST_F(ProfileReadTest, FolderTextsAreMappedThroughTheDrives) {
    tree.Write("settings.ini", "[A]\r\nk=mapped\r\n");
    const auto drives = std::make_shared<const DriveMap>(
        std::map<char, std::string>{{'T', tree.Root().string()}}, std::vector<std::string>{});
    PosixProfileFile profiles(drives);
    EXPECT_EQ(profiles.GetString("T:\\settings.ini", "A", "k", "", kBuffer), "mapped");
    EXPECT_EQ(profiles.GetString("Q:\\settings.ini", "A", "k", "d", kBuffer), "d");
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "d", kBuffer), "d");
}

TEST_F(ProfileReadTest, AChangeOnDiskIsSeenEvenBeforeTheFlush) {
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    tree.Write("settings.ini", "[A]\r\nk=old\r\n");
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", kBuffer), "old");
    tree.Write("settings.ini", "[A]\r\nk=newer\r\n", 1700000000);
    EXPECT_EQ(profiles.GetString(Path(), "A", "k", "", kBuffer), "newer");
}

}  // namespace
}  // namespace zarvik3
