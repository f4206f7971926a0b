#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/posix/posix_profile_file.h"
#include "platform/settings_location.h"
#include "settings/main_section.h"
#include "settings/recording_profile_file.h"
#include "settings/settings_test_folder.h"

namespace zarvik3 {
namespace {

using testing::RecordingProfileFile;
using testing::SettingsFolderTest;

using SettingsFileTest = SettingsFolderTest;

// Where the file lives, with $XDG_CONFIG_HOME pointed into the test folder.
class SettingsLocationTest : public SettingsFolderTest {
  protected:
    void SetUp() override {
        SettingsFolderTest::SetUp();
        program = Folder() + "/program";
        std::filesystem::create_directories(program);
        setenv("XDG_CONFIG_HOME", (Folder() + "/config").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        SettingsFolderTest::TearDown();
    }
    std::string PerUser() const { return Folder() + "/config/zarvik3/settings.ini"; }
    std::string program;
};

TEST_F(SettingsLocationTest, BesideAWritableProgramOtherwiseInThePerUserFolder) {
    EXPECT_EQ(LocateSettingsFile(zarvik3::NativePath(program)).file.Text(),
              program + "/settings.ini");
    EXPECT_EQ(LocateSettingsFile(zarvik3::NativePath(program)).folderToCreate.Text(), "");
    // A packaged program's folder is never written, even by root, who could.
    const SettingsLocation installed = LocateSettingsFile(zarvik3::NativePath("/usr/bin"));
    EXPECT_EQ(installed.file.Text(), PerUser());
    EXPECT_FALSE(std::filesystem::exists(installed.folderToCreate.Text()))
        << "made at the first save";
    setenv("XDG_CONFIG_HOME", "relative", 1);
    setenv("HOME", Folder().c_str(), 1);
    EXPECT_EQ(LocateSettingsFile(zarvik3::NativePath("/usr/bin")).file.Text(),
              Folder() + "/.config/zarvik3/settings.ini");
}

TEST_F(SettingsLocationTest, AReadOnlyFileBesideTheProgramIsTheFirstStartingPoint) {
    std::ofstream(program + "/settings.ini") << "[Drives]\r\nE=/media/stick\r\n";
    std::filesystem::permissions(program + "/settings.ini", std::filesystem::perms::owner_read);
    // A run that must change nothing reads it where it lies.
    EXPECT_EQ(LocateSettingsFile(zarvik3::NativePath(program), SettingsUse::ReadOnly).file.Text(),
              program + "/settings.ini");
    EXPECT_FALSE(std::filesystem::exists(Folder() + "/config"));
    const SettingsLocation location = LocateSettingsFile(zarvik3::NativePath(program));
    EXPECT_EQ(location.file.Text(), PerUser());
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    EXPECT_EQ(profiles.GetString(location.file.Text(), "Drives", "E", "", 2048), "/media/stick");
    const std::string section = "Drives", key = "E", value = "/mnt/other";
    ASSERT_TRUE(profiles.WriteString(&section, &key, &value, location.file.Text()));
    LocateSettingsFile(zarvik3::NativePath(program));  // a later start keeps the user's own file
    EXPECT_EQ(profiles.GetString(location.file.Text(), "Drives", "E", "", 2048), "/mnt/other");
}

TEST_F(SettingsLocationTest, TheFirstWriteMakesThePerUserFolder) {
    const SettingsLocation location = LocateSettingsFile(zarvik3::NativePath("/usr/bin"));
    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    SettingsFile(profiles, location.file.Text()).ReadSetting("PlimoForm", "File");
    EXPECT_FALSE(std::filesystem::exists(location.folderToCreate.Text()));
    SettingsFile(profiles, location.file.Text(), location.folderToCreate)
        .WriteSetting("PlimoForm", "File", "*.txt");
    EXPECT_EQ(std::filesystem::status(location.folderToCreate.Text()).permissions(),
              std::filesystem::perms::owner_all);
    EXPECT_EQ(profiles.GetString(location.file.Text(), "PlimoForm", "File", "", 2048), "*.txt");
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
    MakeFileReadOnly();

    SettingsFile file(Profiles(), FolderText());
    try {
        file.WriteSetting("PlimoForm", "File", "*.txt");
        FAIL() << "the write should have been refused";
    } catch (const SettingsWriteError& error) {
        EXPECT_TRUE(
            std::string(error.what()).starts_with("Unable to write to " + NativePath() + ": "))
            << error.what();
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
