#include <gtest/gtest.h>

#include "history_test_support.h"

namespace zarvik3 {
namespace {

using Strings = std::vector<std::string>;

class HistoryDeleteTest : public testing::HistoryTest {
  protected:
    void SetUpAbc() {
        WriteFileText("[ToFolder]\r\n0=A\r\n1=B\r\n2=C\r\n");
        toList = Load("ToFolder");
    }

    void Delete(std::string& text) {
        SettingsFile file(Profiles(), FolderText());
        DeleteHistoryEntry(file, toList, text, "ToFolder");
    }
};

TEST_F(HistoryDeleteTest, MiddleEntryMovesTheLaterKeysDown) {
    SetUpAbc();
    std::string text = "B";
    Delete(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(toList, (Strings{"A", "C"}));
    EXPECT_EQ(Values("ToFolder"), (Strings{"A", "C"}));
    EXPECT_EQ(Value("ToFolder", 2), "");
    EXPECT_EQ(FileText().find("2="), std::string::npos);
}

TEST_F(HistoryDeleteTest, LastEntryRemovesOnlyTheLastKey) {
    SetUpAbc();
    std::string text = "C";
    Delete(text);
    EXPECT_EQ(toList, (Strings{"A", "B"}));
    EXPECT_EQ(Values("ToFolder"), (Strings{"A", "B"}));
    EXPECT_EQ(FileText().find("2="), std::string::npos);
}

TEST_F(HistoryDeleteTest, OnlyEntryEmptiesTheSection) {
    WriteFileText("[FromBox]\r\n0=C:\\Work\\_07.12.2026 14:02:51\r\n");
    fromList = Load("FromBox");
    std::string text = "C:\\Work\\";
    {
        SettingsFile file(Profiles(), FolderText());
        DeleteHistoryEntry(file, fromList, text, "FromBox");
    }
    EXPECT_TRUE(fromList.empty());
    EXPECT_TRUE(Values("FromBox").empty());
    EXPECT_EQ(FileText().find("0="), std::string::npos);
}

TEST_F(HistoryDeleteTest, TextNotInTheListOnlyClearsTheText) {
    SetUpAbc();
    const std::string before = FileText();
    std::string text = "b";
    Delete(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(toList, (Strings{"A", "B", "C"}));
    EXPECT_EQ(FileText(), before);

    toList.clear();
    text = "A";
    Delete(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(FileText(), before);
}

TEST_F(HistoryDeleteTest, RepeatedPathIsListedOnceAndDeleteKeepsKeysInStep) {
    WriteFileText(
        "[FromBox]\r\n0=A_01.12.2026\r\n1=B_02.12.2026\r\n2=A_03.12.2026\r\n3=C_04.12.2026\r\n");
    fromList = Load("FromBox");
    EXPECT_EQ(fromList, (Strings{"A", "B", "C"}));
    std::string text = "B";
    {
        SettingsFile file(Profiles(), FolderText());
        DeleteHistoryEntry(file, fromList, text, "FromBox");
    }
    EXPECT_EQ(fromList, (Strings{"A", "C"}));
    EXPECT_EQ(Values("FromBox"), (Strings{"A_01.12.2026", "C_04.12.2026"}));
    EXPECT_EQ(Value("FromBox", 3), "");
}

TEST_F(HistoryDeleteTest, DeletingARepeatedPathRemovesEveryCopy) {
    WriteFileText("[ToFolder]\r\n0=A\r\n1=B\r\n2=A\r\n");
    toList = Load("ToFolder");
    std::string text = "A";
    Delete(text);
    EXPECT_EQ(toList, Strings{"B"});
    EXPECT_EQ(Values("ToFolder"), Strings{"B"});
    EXPECT_EQ(Value("ToFolder", 2), "");
}

TEST_F(HistoryDeleteTest, ReadOnlyFileReportsAndKeepsTheFile) {
    SetUpAbc();
    const std::string before = FileText();
    MakeFileReadOnly();
    std::string text = "C";  // only a removal: must not pass silently
    EXPECT_THROW(Delete(text), SettingsWriteError);
    EXPECT_EQ(FileText(), before);
}

}  // namespace
}  // namespace zarvik3
