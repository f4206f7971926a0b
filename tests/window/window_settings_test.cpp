// The window keeps its state in the settings file: what a close saves, the next start
// shows; the folder histories follow every run that copied data.
#include <stdexcept>

#include "window_fixture.h"

namespace zarvik3::test {
namespace {

using WindowSettings = WindowTest;

TEST_F(WindowSettings, ComesBackAsItWasLeft) {
    FillFolders();
    view.exclude = "~|.tmp";
    view.subfolders = false;
    view.MoveTo(300, 100);
    Reopen();
    EXPECT_EQ(view.from, volume.Path("src"));
    EXPECT_EQ(view.to, volume.Path("dst"));
    EXPECT_EQ(view.exclude, "~|.tmp");
    EXPECT_FALSE(view.subfolders);
    EXPECT_EQ(view.place.frame.left, 300);
    EXPECT_EQ(view.place.frame.top, 100);
    EXPECT_EQ(Settings().find("Time="), std::string::npos);  // no copy made, none shown
}

TEST_F(WindowSettings, ARunStampsTheHistoryAndTypingTheFolderShowsTheStamp) {
    MakeSource(2);
    FillFolders();
    Copy();
    EXPECT_TRUE(view.lastCopyShown);
    EXPECT_TRUE(view.pickerEnabled);
    EXPECT_EQ(view.fromList, std::vector<std::string>{volume.Path("src\\")});
    EXPECT_EQ(view.toList, std::vector<std::string>{volume.Path("dst")});
    EXPECT_NE(Settings().find("0=" + volume.Path("src\\") + "_"), std::string::npos);
    EXPECT_EQ(values.TotalKB, 0);
    view.from = volume.Path("sr");
    window->Handle(&PlimoWindow::FromBoxChange);
    EXPECT_FALSE(view.lastCopyShown);  // not the recorded folder
    EXPECT_FALSE(view.status);
    EXPECT_TRUE(view.lines.empty());
    view.from = volume.Path("src\\");
    window->Handle(&PlimoWindow::FromBoxChange);
    EXPECT_TRUE(view.lastCopyShown);
    const std::string shownTime = view.time;
    Reopen();  // the history and the display come back
    EXPECT_EQ(view.fromList.size(), 1u);
    EXPECT_TRUE(view.lastCopyShown);
    EXPECT_EQ(view.time, shownTime);
}

TEST_F(WindowSettings, DeleteRemovesTheEntryFromListAndFile) {
    MakeSource(2);
    FillFolders();
    Copy();
    window->Handle(&PlimoWindow::Delete1Click);
    EXPECT_EQ(view.from, "");
    EXPECT_TRUE(view.fromList.empty());
    EXPECT_EQ(Settings().find(volume.Path("src\\") + "_"), std::string::npos);
    EXPECT_EQ(view.toList.size(), 1u);
    window->Handle(&PlimoWindow::Delete2Click);
    EXPECT_TRUE(view.toList.empty());
    EXPECT_EQ(Settings().find("0=" + volume.Path("dst")), std::string::npos);
}

TEST_F(WindowSettings, ACancelledBrowseKeepsTheTextAndForgetsTheStartFolder) {
    FillFolders();
    volume.MakeFolder("dst");
    view.chosen = NativePath(volume.NativePath("dst").string());
    window->Handle(&PlimoWindow::btPath2Click);
    EXPECT_EQ(view.to, volume.Path("dst\\"));
    EXPECT_EQ(values.LastToDir, volume.Path("dst\\"));
    view.chosen.reset();
    window->Handle(&PlimoWindow::btPathClick);
    EXPECT_EQ(view.from, volume.Path("src"));
    EXPECT_EQ(values.LastFromDir, "");
    EXPECT_FALSE(view.pickerEnabled);
    ASSERT_TRUE(window->CloseRequested());
    EXPECT_NE(Settings().find("FrmDir=\r\n"), std::string::npos);
}

TEST_F(WindowSettings, SamePathNeedsAFromText) {
    window->Handle(&PlimoWindow::SamePath1Click);
    EXPECT_EQ(view.messages, std::vector<std::string>{"From Directory is empty"});
    view.from = "C:\\Data\\Projects";
    view.to = "E:\\Backup";
    window->Handle(&PlimoWindow::SamePath1Click);
    EXPECT_EQ(view.to, "E:\\Data\\Projects");
}

// Knows no drive for any folder.
struct FailingDrives : Drives {
    int GetDriveType(const std::string&) override { return kDriveNoRoot; }
    std::int64_t DiskTotalSize(const std::string&) override { return -1; }
    std::optional<NativePath> ToNativePath(const FolderText&) override { return {}; }
    std::optional<FolderText> ToFolderText(const NativePath&) override {
        throw std::runtime_error("Drive table unreadable");
    }
};

TEST_F(WindowSettings, AWindowWhoseCreationFailsOpensAllTheSame) {
    std::unique_ptr<Drives> real = std::move(volume.Services().drives);
    volume.Services().drives = std::make_unique<FailingDrives>();
    view = RecordingView{};
    values = ProcessValues{};
    Open();
    EXPECT_EQ(view.errors, std::vector<std::string>{"Drive table unreadable"});
    EXPECT_TRUE(values.ExeDir.empty());
    volume.Services().drives = std::move(real);
}

}  // namespace
}  // namespace zarvik3::test
