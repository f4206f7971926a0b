#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "recording_profile_file.h"
#include "settings/main_section.h"
#include "settings_test_folder.h"

namespace zarvik3 {
namespace {

using testing::RecordingProfileFile;
using testing::SettingsFolderTest;

using SettingsFileTest = SettingsFolderTest;

TEST_F(SettingsFileTest, PathIsExeDirFollowedByFileName) {
    EXPECT_EQ(SettingsFilePath("D:\\Tools\\"), "D:\\Tools\\settings.ini");
}

TEST_F(SettingsFileTest, MissingFileReadsEmptyAndOpeningCreatesNothing) {
    {
        SettingsFile file(Profiles(), FolderText());
        EXPECT_EQ(file.ReadSetting("PlimoForm", "FromBox"), "");
    }
    EXPECT_FALSE(FileExists());
}

TEST_F(SettingsFileTest, WrittenValueReadsBackAndDeletedKeyReadsEmpty) {
    SettingsFile file(Profiles(), FolderText());
    file.WriteSetting("PlimoForm", "File", "*.txt");
    EXPECT_EQ(file.ReadSetting("PlimoForm", "File"), "*.txt");
    EXPECT_TRUE(file.DeleteSetting("PlimoForm", "File"));
    EXPECT_EQ(file.ReadSetting("PlimoForm", "File"), "");
    EXPECT_TRUE(file.DeleteSetting("PlimoForm", "NeverThere"));
}

TEST_F(SettingsFileTest, LongValueIsCutTo2047Characters) {
    WriteFileText("[PlimoForm]\r\nPrev=" + std::string(3000, 'x') + "\r\n");
    SettingsFile file(Profiles(), FolderText());
    EXPECT_EQ(file.ReadSetting("PlimoForm", "Prev"), std::string(2047, 'x'));
}

TEST_F(SettingsFileTest, HandMadeFileReadsAsTheWindowsProfileFunctionsDo) {
    WriteFileText(
        "; kept by hand\r\n[plimoform]\r\n  FROMBOX =  C:\\Work\\  \r\nsubs=0\r\n"
        "[FromBox]\r\n0=C:\\Work\\_07.12.2026 14:02:51\r\n");
    SettingsFile file(Profiles(), FolderText());
    EXPECT_EQ(file.ReadSetting("PlimoForm", "FromBox"), "C:\\Work\\");
    EXPECT_EQ(file.ReadSetting("PlimoForm", "Subs"), "0");
    EXPECT_EQ(file.ReadSetting("fromBOX", "0"), "C:\\Work\\_07.12.2026 14:02:51");

    file.WriteSetting("PlimoForm", "Subs", "1");
    const std::string text = FileText();
    EXPECT_NE(text.find("; kept by hand"), std::string::npos);
    EXPECT_NE(text.find("[plimoform]"), std::string::npos);
    EXPECT_EQ(text.find("[PlimoForm]"), std::string::npos) << "no second section";
}

TEST_F(SettingsFileTest, RefusedWriteNamesTheFileAndLosesNothing) {
    {
        SettingsFile file(Profiles(), FolderText());
        file.WriteSetting("PlimoForm", "File", "*.doc");
    }
    const std::string before = FileText();
    if (!MakeFolderImmutable()) GTEST_SKIP() << "chattr +i is not available here";

    SettingsFile file(Profiles(), FolderText());
    try {
        file.WriteSetting("PlimoForm", "File", "*.txt");
        FAIL() << "the write should have been refused";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to D:\\settings.ini");
    }
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(file.ReadSetting("PlimoForm", "File"), "*.doc");
}

TEST_F(SettingsFileTest, RefusedRemovalThrowsButPlainDeleteOnlyReports) {
    RecordingProfileFile profiles(Profiles());
    profiles.refuseDeletes = true;
    SettingsFile file(profiles, FolderText());
    EXPECT_FALSE(file.DeleteSetting("PlimoForm", "Time"));
    EXPECT_THROW(file.RemoveSetting("PlimoForm", "Time"), SettingsWriteError);
}

TEST_F(SettingsFileTest, ReleasedOnEveryWayOutErrorsIncluded) {
    RecordingProfileFile profiles(Profiles());
    profiles.refuseWritesFrom = 2;
    try {
        SettingsFile file(profiles, FolderText());
        SaveSettings(file, MainSectionState{}, LocaleDateSettings{});
    } catch (const SettingsWriteError&) {
    }
    EXPECT_EQ(profiles.flushes, 1);
    SettingsFile reread(Profiles(), FolderText());
    EXPECT_EQ(reread.ReadSetting("PlimoForm", "ToFolder"), "");
    EXPECT_NE(FileText().find("ToFolder="), std::string::npos) << "written before the failure";
    EXPECT_EQ(FileText().find("File="), std::string::npos) << "the refused write";
}

}  // namespace
}  // namespace zarvik3
