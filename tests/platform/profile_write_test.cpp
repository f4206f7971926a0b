#include <gtest/gtest.h>

#include <string>

#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

const std::string kOld = "[A]\r\nk=old\r\n";
constexpr const char* kWineRewrites =
    "Wine writes every line anew (trimmed, CR LF, no blank lines); Windows leaves the lines it "
    "does not change alone";

class ProfileWriteTest : public ::testing::Test {
  protected:
    bool Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
        return profiles.WriteString(&section, &key, &value, path);
    }
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        return Write(section, key, value, Path());
    }
    bool DeleteKey(const std::string& section, const std::string& key) {
        return profiles.WriteString(&section, &key, nullptr, Path());
    }
    bool DeleteSection(const std::string& section) {
        return profiles.WriteString(&section, nullptr, nullptr, Path());
    }
    std::string Read(const std::string& section, const std::string& key) {
        return profiles.GetString(Path(), section, key, "<none>", 2048);
    }
    std::string Path() const { return volume.Path("settings.ini"); }
    std::string Content() const { return volume.ReadText("settings.ini"); }

    ScratchVolume volume;
    ProfileFile& profiles = volume.Profiles();
};

TEST_F(ProfileWriteTest, TheFirstWriteCreatesFileSectionAndKeyWithCrLf) {
    ASSERT_TRUE(Write("PlimoForm", "FromBox", "C:\\Data\\"));
    EXPECT_EQ(Content(), "[PlimoForm]\r\nFromBox=C:\\Data\\\r\n");
    ASSERT_TRUE(Write("FromBox", "0", "C:\\a_1.1.2026"));
    EXPECT_EQ(Content(), "[PlimoForm]\r\nFromBox=C:\\Data\\\r\n[FromBox]\r\n0=C:\\a_1.1.2026\r\n");
}

TEST_F(ProfileWriteTest, WrittenValuesReadBackAcrossAFlush) {
    ASSERT_TRUE(Write("A", "k", "value with = and ; inside"));
    ASSERT_TRUE(Write("A", "empty", ""));
    ASSERT_TRUE(profiles.WriteString(nullptr, nullptr, nullptr, Path()));
    EXPECT_EQ(profiles.GetString(Path(), "a", "K", "", 2048), "value with = and ; inside");
    EXPECT_EQ(profiles.GetString(Path(), "A", "empty", "d", 2048), "");
}

TEST_F(ProfileWriteTest, ANewSectionFollowsAFileWithoutFinalLineEnd) {
    if (RunsUnderWine()) GTEST_SKIP() << kWineRewrites;
    volume.Write("settings.ini", "[A]\nk=1");
    ASSERT_TRUE(Write("B", "j", "2"));
    EXPECT_EQ(Content(), "[A]\nk=1\r\n[B]\r\nj=2\r\n");
}

TEST_F(ProfileWriteTest, ANewKeyGoesAtTheEndOfItsSectionBeforeTheBlankLines) {
    if (RunsUnderWine()) GTEST_SKIP() << kWineRewrites;
    volume.Write("settings.ini", "[A]\nk=1\n\n[B]\nj=2\n");
    ASSERT_TRUE(Write("a", "new", "3"));
    EXPECT_EQ(Content(), "[A]\nk=1\nnew=3\n\n[B]\nj=2\n");
    ASSERT_TRUE(Write("B", "other", "4"));
    EXPECT_EQ(Content(), "[A]\nk=1\nnew=3\n\n[B]\nj=2\nother=4\n");
}

TEST_F(ProfileWriteTest, AnExistingKeyKeepsItsSpellingAndOtherLinesStayByteForByte) {
    if (RunsUnderWine()) GTEST_SKIP() << kWineRewrites;
    const std::string before =
        "; written by hand\r\n[Foreign]\r\n  odd line\r\nx = 1 ; note\r\n\r\n"
        "[PlimoForm]\r\nFROMBOX = old\r\n#comment\r\nTail=t\r\n";
    volume.Write("settings.ini", before);
    ASSERT_TRUE(Write("plimoform", "FromBox", "new"));
    std::string expected = before;
    expected.replace(expected.find("FROMBOX = old"), 13, "FROMBOX=new");
    EXPECT_EQ(Content(), expected);
}

TEST_F(ProfileWriteTest, DeletingAKeyKeepsTheSectionHeader) {
    volume.Write("settings.ini", "[A]\r\nk=1\r\nj=2\r\n[B]\r\nk=3\r\n");
    ASSERT_TRUE(DeleteKey("A", "K"));
    ASSERT_TRUE(DeleteKey("A", "j"));
    EXPECT_EQ(Content(), "[A]\r\n[B]\r\nk=3\r\n");
    EXPECT_EQ(Read("A", "k"), "<none>");
    EXPECT_TRUE(DeleteKey("A", "missing"));
    EXPECT_TRUE(DeleteKey("Missing", "k"));
}

TEST_F(ProfileWriteTest, DeletingASectionRemovesItsHeaderAndKeys) {
    volume.Write("settings.ini", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n");
    ASSERT_TRUE(DeleteSection("a"));
    EXPECT_EQ(Content(), "[B]\r\nj=2\r\n");
    EXPECT_TRUE(DeleteSection("A"));
}

TEST_F(ProfileWriteTest, DeletingFromAMissingFileCreatesNothing) {
    EXPECT_TRUE(DeleteKey("A", "k"));
    EXPECT_TRUE(DeleteSection("A"));
    EXPECT_FALSE(volume.Exists("settings.ini"));
}

TEST_F(ProfileWriteTest, EntriesThatWouldNotReadBackAreRefused) {
    volume.Write("settings.ini", "[A]\r\nk=1\r\n");
    EXPECT_FALSE(Write("A", "k", "two\r\n[Evil]\r\nx=1"));
    EXPECT_FALSE(Write("A", "k=j", "1"));
    EXPECT_FALSE(Write("A", "[B]", "1"));
    // Blanks before the bracket, also those only Windows skips: Ctrl-Z, Unicode spaces.
    EXPECT_FALSE(Write("A", "\v[B]", "1"));
    EXPECT_FALSE(Write("A", "\x1A[B]", "1"));
    EXPECT_FALSE(Write("A", "\u3000[B]", "1"));
    EXPECT_FALSE(Write("A\nB", "k", "1"));
    EXPECT_FALSE(Write("A", "k", std::string("a\0b", 3)));
    EXPECT_EQ(Content(), "[A]\r\nk=1\r\n");
    const std::string key = "k";
    EXPECT_FALSE(profiles.WriteString(nullptr, &key, nullptr, Path()));
    ASSERT_TRUE(Write("A", "k[1]", "v"));
    EXPECT_EQ(Read("A", "k[1]"), "v");
}

TEST_F(ProfileWriteTest, NoTemporaryFileIsLeftBehind) {
    ASSERT_TRUE(Write("A", "k", "1"));
    ASSERT_TRUE(Write("A", "k", "2"));
    EXPECT_EQ(volume.EntryCount(), 1u);
}

TEST_F(ProfileWriteTest, AWriteSeesTheFileAsItIsNowOnDisk) {
    ASSERT_TRUE(Write("A", "k", "1"));
    volume.Write("settings.ini", "[A]\r\nk=1\r\n[Other]\r\nx=from elsewhere\r\n", {1700000000, 0});
    ASSERT_TRUE(Write("A", "j", "2"));
    EXPECT_EQ(Read("Other", "x"), "from elsewhere");
}

TEST_F(ProfileWriteTest, AReadOnlyFileFailsTheWriteEvenForRoot) {
    volume.Write("settings.ini", kOld);
    volume.SetReadOnly("settings.ini", true);
    EXPECT_FALSE(Write("A", "k", "new"));
    EXPECT_NE(profiles.LastWriteFailure().reason, "");
    EXPECT_EQ(Content(), kOld);
    const std::string section = "A";
    EXPECT_FALSE(profiles.WriteString(&section, nullptr, nullptr, Path()));
    volume.SetReadOnly("settings.ini", false);
    EXPECT_TRUE(Write("A", "k", "new"));
}

TEST_F(ProfileWriteTest, EachRefusalTellsTheSystemsReason) {
    volume.MakeFolder("folder.ini");
    EXPECT_FALSE(Write("A", "k", "new", volume.Path("folder.ini")));
    EXPECT_NE(profiles.LastWriteFailure().reason, "");
    EXPECT_FALSE(Write("A", "k", "two\nlines"));
    EXPECT_NE(profiles.LastWriteFailure().reason, "");
    EXPECT_TRUE(Write("A", "k", "new"));
    EXPECT_EQ(profiles.LastWriteFailure().reason, "");
}

TEST_F(ProfileWriteTest, AMissingFolderFailsTheWrite) {
    EXPECT_FALSE(Write("A", "k", "new", volume.Path("missing\\settings.ini")));
    EXPECT_NE(profiles.LastWriteFailure().reason, "");
    EXPECT_FALSE(volume.Exists("missing"));
    EXPECT_FALSE(Write("A", "k", "new", ""));
}

}  // namespace
}  // namespace zarvik3::test
