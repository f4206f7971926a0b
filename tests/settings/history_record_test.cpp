#include <gtest/gtest.h>

#include "history_test_support.h"
#include "recording_profile_file.h"

namespace zarvik3 {
namespace {

using Strings = std::vector<std::string>;

using HistoryRecordTest = testing::HistoryTest;

TEST_F(HistoryRecordTest, FirstRunCreatesBothSections) {
    Record("C:\\Work\\", "E:\\Backup", "07.12.2026 14:02:51");
    EXPECT_EQ(fromList, Strings{"C:\\Work\\"});
    EXPECT_EQ(toList, Strings{"E:\\Backup"});
    EXPECT_EQ(Values("FromBox"), Strings{"C:\\Work\\_07.12.2026 14:02:51"});
    EXPECT_EQ(Values("ToFolder"), Strings{"E:\\Backup"});
}

TEST_F(HistoryRecordTest, SecondRunRewritesTheStampInPlace) {
    Record("C:\\A\\", "E:\\A", "01.12.2026 09:00:00");
    Record("C:\\B\\", "E:\\B", "02.12.2026 09:00:00");
    Record("C:\\A\\", "E:\\A", "07.12.2026 14:02:51");
    EXPECT_EQ(fromList, (Strings{"C:\\A\\", "C:\\B\\"}));
    EXPECT_EQ(toList, (Strings{"E:\\A", "E:\\B"}));
    EXPECT_EQ(Values("FromBox"),
              (Strings{"C:\\A\\_07.12.2026 14:02:51", "C:\\B\\_02.12.2026 09:00:00"}));
    EXPECT_EQ(Values("ToFolder"), (Strings{"E:\\A", "E:\\B"}));
}

TEST_F(HistoryRecordTest, PathWithUnderscoreIsListedAndFoundWhole) {
    Record("D:\\my_files\\", "E:\\back_up", "07.12.2026 14:02:51");
    EXPECT_EQ(Load("FromBox"), Strings{"D:\\my_files\\"});
    EXPECT_EQ(Load("ToFolder"), Strings{"E:\\back_up"});
    Record("D:\\my_files\\", "E:\\back_up", "08.12.2026 10:00:00");
    EXPECT_EQ(Values("FromBox"), Strings{"D:\\my_files\\_08.12.2026 10:00:00"});
}

TEST_F(HistoryRecordTest, EmptyTextsRecordNothing) {
    Record("", "E:\\Backup", "07.12.2026 14:02:51");
    EXPECT_TRUE(fromList.empty());
    EXPECT_TRUE(Values("FromBox").empty());
    EXPECT_EQ(Values("ToFolder"), Strings{"E:\\Backup"});
}

TEST_F(HistoryRecordTest, NewFolderTakesTheFirstFreeKeyNotTheListsLastIndex) {
    // The list already shows a folder the file no longer holds (edited meanwhile).
    WriteFileText("[FromBox]\r\n0=C:\\A\\_01.12.2026\r\n");
    fromList = {"C:\\A\\", "C:\\Gone\\"};
    Record("C:\\New\\", "", "07.12.2026 14:02:51");
    EXPECT_EQ(fromList, (Strings{"C:\\A\\", "C:\\Gone\\", "C:\\New\\"}));
    EXPECT_EQ(Values("FromBox"), (Strings{"C:\\A\\_01.12.2026", "C:\\New\\_07.12.2026 14:02:51"}));
}

TEST_F(HistoryRecordTest, GapIsFilledAndNeverOverwritesAnotherFolder) {
    WriteFileText("[FromBox]\r\n0=C:\\A\\_01.12.2026\r\n2=C:\\C\\_03.12.2026\r\n");
    fromList = Load("FromBox");
    Record("C:\\New\\", "", "07.12.2026");
    EXPECT_EQ(Values("FromBox"),
              (Strings{"C:\\A\\_01.12.2026", "C:\\New\\_07.12.2026", "C:\\C\\_03.12.2026"}));
}

TEST_F(HistoryRecordTest, RefusedWriteKeepsWhatWasDoneBefore) {
    testing::RecordingProfileFile profiles(Profiles());
    profiles.refuseWritesFrom = 1;  // the To write
    {
        SettingsFile file(profiles, FolderText());
        EXPECT_THROW(RecordLastCopy(file, "C:\\A\\", "E:\\A", fromList, toList, "07.12.2026"),
                     SettingsWriteError);
    }
    EXPECT_EQ(profiles.flushes, 1);
    EXPECT_EQ(Values("FromBox"), Strings{"C:\\A\\_07.12.2026"});
    EXPECT_TRUE(Values("ToFolder").empty());
    EXPECT_EQ(fromList, Strings{"C:\\A\\"});
}

}  // namespace
}  // namespace zarvik3
