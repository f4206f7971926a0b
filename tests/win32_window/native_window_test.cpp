// The native window itself, driven through the messages its controls and menu send.
#include "window_driver.h"

namespace zarvik3::test {
namespace {

using NativeWindow = NativeWindowTest;

TEST_F(NativeWindow, CopiesListsSummarisesAndARerunCopiesNothing) {
    MakeSource(3);
    FillFolders();
    Click(kBtCopy);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].rfind(volume.Path("dst\\sub\\deep.txt   "), 0), 0u) << lines[3];
    EXPECT_EQ(Text(kLblNumberFound), "4 files copied, in all  5 KB");
    EXPECT_TRUE(Shown(kLblNumberFound));
    EXPECT_EQ(Text(kLabel7).rfind("Time: 0:0", 0), 0u) << Text(kLabel7);
    EXPECT_EQ(Text(kFromBox), volume.Path("src\\"));
    EXPECT_EQ(volume.Read("dst/sub/deep.txt"), std::string(2500, 'x'));
    EXPECT_TRUE(Shown(kLbTime));  // the run stamped the history
    Click(kBtCopy);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Text(kLblNumberFound), "0 files copied, in all  0 KB");
}

TEST_F(NativeWindow, CancelDuringARunStopsItAfterTheEntryInHand) {
    MakeSource(60);
    FillFolders();
    // Waiting in the queue, the command reaches the window at the run's first pump.
    PostMessageW(Main(), WM_COMMAND, kAbort1, 0);
    Click(kBtCopy);
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Text(kLblNumberFound).rfind("1 files copied", 0), 0u) << Text(kLblNumberFound);
    EXPECT_FALSE(volume.Exists("dst/sub/deep.txt"));
}

TEST_F(NativeWindow, ClosingDuringARunClosesOnceItEndsWithTheSettingsWhole) {
    MakeSource(60);
    FillFolders();
    PostMessageW(Main(), WM_CLOSE, 0, 0);
    Click(kBtCopy);
    EXPECT_FALSE(IsWindow(Main()));
    EXPECT_FALSE(volume.Exists("dst/sub/deep.txt"));  // the run was cancelled first
    const std::string settings = volume.ReadText("program/settings.ini");
    EXPECT_NE(settings.find("FromBox=" + volume.Path("src\\")), std::string::npos) << settings;
    EXPECT_NE(settings.find("[PlimoForm]"), std::string::npos);
}

TEST_F(NativeWindow, ARestartComesBackWithItsFieldsAndHistories) {
    MakeSource(1);
    FillFolders();
    SetWindowTextW(Item(kEdPrev), L"~|.tmp");
    SendMessageW(Item(kSubBox), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(kBtCopy);
    ASSERT_TRUE(Close());
    form.reset();
    Open();
    EXPECT_EQ(Text(kFromBox), volume.Path("src\\"));
    EXPECT_EQ(Text(kToFolder), volume.Path("dst"));
    EXPECT_EQ(Text(kEdPrev), "~|.tmp");
    EXPECT_EQ(SendMessageW(Item(kSubBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Items(kFromBox), std::vector<std::string>{volume.Path("src\\")});
    EXPECT_EQ(Items(kToFolder), std::vector<std::string>{volume.Path("dst")});
    EXPECT_TRUE(Shown(kLbTime));
}

TEST_F(NativeWindow, SamePathAndTheDeleteCommands) {
    BoxAnswerer boxes;
    Choose(kSamePath1);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"From Directory is empty"});
    Type(kFromBox, "C:\\Data\\Projects");
    Type(kToFolder, "E:\\Backup");
    Choose(kSamePath1);
    EXPECT_EQ(Text(kToFolder), "E:\\Data\\Projects");
    MakeSource(1);
    FillFolders();
    Click(kBtCopy);
    Choose(kDelete1);
    EXPECT_EQ(Text(kFromBox), "");
    EXPECT_TRUE(Items(kFromBox).empty());
    Choose(kDelete2);
    EXPECT_EQ(Text(kToFolder), "");
    EXPECT_TRUE(Items(kToFolder).empty());
}

TEST_F(NativeWindow, ARefusedRunIsToldInAMessageBox) {
    BoxAnswerer boxes;
    Type(kFromBox, volume.Path("src"));
    Click(kBtCopy);
    EXPECT_EQ(boxes.texts,
              std::vector<std::string>{"FROM DIRECTORY or TO FOLDER has not been set"});
    EXPECT_EQ(Text(kLblNumberFound), "Checking...");
}

TEST_F(NativeWindow, AboutShowsOneWindowAndOkHidesIt) {
    Choose(kAbout1);
    HWND about = form->AboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsWindowVisible(about));
    Choose(kAbout1);
    EXPECT_EQ(form->AboutWindow(), about);
    SendMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindow(about));
}

TEST_F(NativeWindow, TheWindowCannotBeResizedOrMaximised) {
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
}

}  // namespace
}  // namespace zarvik3::test
