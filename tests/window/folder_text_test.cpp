#include "window/folder_text.h"

#include <gtest/gtest.h>

namespace zarvik3 {
namespace {

TEST(FolderFromDialogName, GivesTheFolderOfEveryKindOfDialogName) {
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects\\*"), "C:\\Data\\Projects\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects\\*.txt"), "C:\\Data\\Projects\\");
    EXPECT_EQ(FolderFromDialogName("C:\\*"), "C:\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects\\notes.txt"), "C:\\Data\\Projects\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects.lnk"), "C:\\Data\\Projects\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects"), "C:\\Data\\");
}

TEST(FolderFromDialogName, CutsAtTheFirstStar) {
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\a*\\b\\*"), "C:\\Data\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Pro*jects\\x"), "C:\\Data\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\**"), "C:\\Data\\");
}

TEST(FolderFromDialogName, TakesOnlyATrailingLowerCaseLnkAsShortcut) {
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\Projects.LNK"), "C:\\Data\\");
    // A folder whose name merely holds ".lnk" must not lose characters.
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\old.lnkfiles\\*"), "C:\\Data\\old.lnkfiles\\");
    EXPECT_EQ(FolderFromDialogName("C:\\a.lnk\\b.txt"), "C:\\a.lnk\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\x.lnk*"), "C:\\Data\\x\\");
}

TEST(FolderFromDialogName, NamesWithoutAFolderPartGiveTheEmptyText) {
    EXPECT_EQ(FolderFromDialogName(""), "");
    EXPECT_EQ(FolderFromDialogName("*"), "");
    EXPECT_EQ(FolderFromDialogName("*C:\\Data\\"), "");
    EXPECT_EQ(FolderFromDialogName("notes.txt"), "");
    EXPECT_EQ(FolderFromDialogName("x"), "");
}

TEST(FolderFromDialogName, KeepsASingleBackslashAndDoesNotLookPastIt) {
    EXPECT_EQ(FolderFromDialogName("\\"), "\\");
    EXPECT_EQ(FolderFromDialogName("\\x"), "\\");
    EXPECT_EQ(FolderFromDialogName("C:\\Data\\\\name"), "C:\\Data\\\\");
}

}  // namespace
}  // namespace zarvik3
