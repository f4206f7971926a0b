#include <gtest/gtest.h>

#include "settings/last_copy_display.h"
#include "settings/main_section.h"
#include "settings_test_folder.h"
#include "text/date_time.h"

namespace zarvik3 {
namespace {

using testing::GermanLocale;

class MainSectionLoadTest : public testing::SettingsFolderTest {
  protected:
    LoadedSettings Load() {
        SettingsFile file(Profiles(), FolderText());
        return LoadSettings(file, GermanLocale(), 2026);
    }

    void Save(const MainSectionState& state) {
        SettingsFile file(Profiles(), FolderText());
        SaveSettings(file, state, GermanLocale());
    }
};

TEST_F(MainSectionLoadTest, NoFileLeavesEveryControlAsDesigned) {
    const LoadedSettings loaded = Load();
    EXPECT_FALSE(loaded.position);
    EXPECT_FALSE(loaded.positionError);
    EXPECT_FALSE(loaded.fromText);
    EXPECT_FALSE(loaded.fileMask);
    EXPECT_FALSE(loaded.pickerDate);
    EXPECT_FALSE(loaded.timeText);
    EXPECT_FALSE(loaded.subfolders);
    EXPECT_TRUE(loaded.fromHistory.empty());
    EXPECT_FALSE(FileExists());
}

TEST_F(MainSectionLoadTest, SavedStateComesBack) {
    MainSectionState state;
    state.fromText = "C:\\Work\\";
    state.toText = "E:\\Backup";
    state.fileMask = "*.txt";
    state.exclusions = ".~";
    state.pickerValue = 46363 + kPickerInitialValue;  // 7 Dec 2026, the initial time of day
    state.timeVisible = true;
    state.timeText = "14:02:51";
    state.subfolders = false;
    state.position = {100, 300};
    Save(state);

    const LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.position, (WindowPosition{100, 300}));
    EXPECT_EQ(loaded.fromText, "C:\\Work\\");
    EXPECT_EQ(loaded.toText, "E:\\Backup");
    EXPECT_EQ(loaded.fileMask, "*.txt");
    EXPECT_EQ(loaded.exclusions, ".~");
    ASSERT_TRUE(loaded.pickerDate);
    EXPECT_EQ(DayNumber(*loaded.pickerDate), 46363);
    EXPECT_EQ(loaded.timeText, "14:02:51");
    EXPECT_EQ(loaded.subfolders, false);
}

TEST_F(MainSectionLoadTest, NegativeCoordinatesSurviveTheRoundTrip) {
    MainSectionState state;
    state.position = {-40, -1200};
    Save(state);
    EXPECT_EQ(Load().position, (WindowPosition{-40, -1200}));
}

TEST_F(MainSectionLoadTest, ClearedFieldsGetTheirInitialContentBack) {
    MainSectionState state;  // every text empty
    Save(state);
    const LoadedSettings loaded = Load();
    EXPECT_FALSE(loaded.fromText);
    EXPECT_FALSE(loaded.toText);
    EXPECT_FALSE(loaded.fileMask);
    EXPECT_FALSE(loaded.exclusions);
}

TEST_F(MainSectionLoadTest, MalformedPositionIsReportedAndTheRestStillLoads) {
    WriteFileText(
        "[PlimoForm]\r\nfZarvik=100\r\nFromBox=C:\\Work\\\r\nSubs=0\r\nTime=14:02:51\r\n"
        "[ToFolder]\r\n0=E:\\Backup\r\n");
    const LoadedSettings loaded = Load();
    EXPECT_FALSE(loaded.position) << "neither top nor left is applied";
    EXPECT_EQ(loaded.positionError, "'' is not a valid integer value");
    EXPECT_EQ(loaded.fromText, "C:\\Work\\");
    EXPECT_EQ(loaded.subfolders, false);
    EXPECT_EQ(loaded.timeText, "14:02:51");
    EXPECT_EQ(loaded.toHistory, std::vector<std::string>{"E:\\Backup"});
}

TEST_F(MainSectionLoadTest, PositionFieldsAcceptBlanksAndSignsButNothingAfterDigits) {
    WriteFileText("[PlimoForm]\r\nfZarvik=-5, +7,99\r\n");
    EXPECT_EQ(Load().position, (WindowPosition{-5, 7}));
    WriteFileText("[PlimoForm]\r\nfZarvik=22x,519\r\n");
    EXPECT_EQ(Load().positionError, "'22x' is not a valid integer value");
}

TEST_F(MainSectionLoadTest, TimeWithUnparseableDateShowsThePickersOwnDate) {
    WriteFileText("[PlimoForm]\r\nDate=12/7/2026 2:02:51 PM\r\nTime=2:02:51\r\n");
    const LoadedSettings loaded = Load();
    EXPECT_FALSE(loaded.pickerDate);
    EXPECT_EQ(loaded.timeText, "2:02:51");
}

TEST_F(MainSectionLoadTest, SubfoldersOnlyFollowZeroOrOne) {
    WriteFileText("[PlimoForm]\r\nSubs=yes\r\n");
    EXPECT_FALSE(Load().subfolders);
    WriteFileText("[PlimoForm]\r\nSubs=1\r\n");
    EXPECT_EQ(Load().subfolders, true);
}

}  // namespace
}  // namespace zarvik3
