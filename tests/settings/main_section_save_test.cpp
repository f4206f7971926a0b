#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/last_copy_display.h"
#include "settings/main_section.h"
#include "settings_test_folder.h"

namespace zarvik3 {
namespace {

using testing::GermanLocale;

// The window as it opens without a settings file.
MainSectionState InitialWindow() {
    MainSectionState state;
    state.fileMask = "*.*";
    state.exclusions = ".~|.bak";
    state.pickerValue = kPickerInitialValue;
    return state;
}

class MainSectionSaveTest : public testing::SettingsFolderTest {
  protected:
    void Save(const MainSectionState& state) {
        SettingsFile file(Profiles(), FolderText());
        SaveSettings(file, state, GermanLocale());
    }

    std::string Read(const std::string& key) {
        SettingsFile file(Profiles(), FolderText());
        return file.ReadSetting(kMainSection, key);
    }

    // Key names of the file's lines, in file order.
    std::vector<std::string> KeysInFile() const {
        std::vector<std::string> keys;
        std::istringstream lines(FileText());
        for (std::string line; std::getline(lines, line);) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
        }
        return keys;
    }
};

TEST_F(MainSectionSaveTest, FirstCloseWritesNineKeysInOrderWithoutTime) {
    Save(InitialWindow());
    const std::vector<std::string> expected{"FromBox", "ToFolder", "File", "Prev",   "Date",
                                            "FrmDir",  "ToDir",    "Subs", "fZarvik"};
    EXPECT_EQ(KeysInFile(), expected);
    EXPECT_EQ(FileText().rfind("[PlimoForm]", 0), 0u);
    EXPECT_EQ(Read("Date"), "30.12.1899 13:13:10");
    EXPECT_EQ(Read("fZarvik"), "22,519");
    EXPECT_EQ(Read("Subs"), "1");
    EXPECT_EQ(Read("File"), "*.*");
}

TEST_F(MainSectionSaveTest, VisibleTimeIsWrittenAndHiddenTimeRemoved) {
    MainSectionState state = InitialWindow();
    state.timeVisible = true;
    state.timeText = "14:02:51";
    Save(state);
    EXPECT_EQ(Read("Time"), "14:02:51");

    state.timeVisible = false;
    Save(state);
    EXPECT_EQ(Read("Time"), "");
    EXPECT_EQ(FileText().find("Time="), std::string::npos);
}

TEST_F(MainSectionSaveTest, MinimisedCloseKeepsThePositionSavedBefore) {
    MainSectionState state = InitialWindow();
    state.position = {100, 300};
    Save(state);
    state.windowNormal = false;
    state.position = {-32000, -32000};
    state.fromText = "C:\\Work\\";
    Save(state);
    EXPECT_EQ(Read("fZarvik"), "100,300");
    EXPECT_EQ(Read("FromBox"), "C:\\Work\\");
}

TEST_F(MainSectionSaveTest, TextsAreWrittenAsTheyStandAndSubfoldersOff) {
    MainSectionState state = InitialWindow();
    state.fromText = "C:\\my_files\\";
    state.toText = "E:\\Backup";
    state.fileMask = "";
    state.exclusions = "";
    state.lastFromDir = "C:\\Other\\";
    state.lastToDir = "E:\\";
    state.subfolders = false;
    Save(state);
    EXPECT_EQ(Read("FromBox"), "C:\\my_files\\");
    EXPECT_EQ(Read("ToFolder"), "E:\\Backup");
    EXPECT_EQ(Read("File"), "");
    EXPECT_EQ(Read("FrmDir"), "C:\\Other\\");
    EXPECT_EQ(Read("ToDir"), "E:\\");
    EXPECT_EQ(Read("Subs"), "0");
}

TEST_F(MainSectionSaveTest, ReadOnlyFileStopsTheSaveWithTheFileNamed) {
    Save(InitialWindow());
    const std::string before = FileText();
    MakeFileReadOnly();
    MainSectionState state = InitialWindow();
    state.fromText = "C:\\New\\";
    SettingsFile file(Profiles(), FolderText());
    EXPECT_THROW(
        {
            try {
                SaveSettings(file, state, GermanLocale());
            } catch (const SettingsWriteError& error) {
                EXPECT_TRUE(std::string(error.what())
                                .starts_with("Unable to write to " + NativePath() + ": "))
                    << error.what();
                throw;
            }
        },
        SettingsWriteError);
    EXPECT_EQ(FileText(), before);
}

}  // namespace
}  // namespace zarvik3
