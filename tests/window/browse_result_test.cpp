#include "window/browse_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "window_fixture.h"

namespace zarvik3 {
namespace {

// C: is "/", E: is "/media/usb"; nothing else has a letter.
class FakeDrives : public Drives {
  public:
    int GetDriveType(const std::string&) override { return kDriveFixed; }
    std::int64_t DiskTotalSize(const std::string&) override { return -1; }

    std::optional<NativePath> ToNativePath(const FolderText& text) override {
        if (text.rfind("C:\\", 0) == 0) return NativePath(Slashed("/" + text.substr(3)));
        if (text.rfind("E:\\", 0) == 0) return NativePath(Slashed("/media/usb/" + text.substr(3)));
        return std::nullopt;
    }

    std::optional<FolderText> ToFolderText(const NativePath& native) override {
        const std::string& path = native.Text();
        if (path.rfind("/media/usb", 0) == 0)
            return Backslashed("E:\\" + path.substr(std::min<std::size_t>(11, path.size())));
        if (path.rfind("/", 0) == 0) return Backslashed("C:\\" + path.substr(1));
        return std::nullopt;
    }

  private:
    static std::string Slashed(std::string text) {
        for (char& c : text) c = c == '\\' ? '/' : c;
        return text;
    }
    static std::string Backslashed(std::string text) {
        for (char& c : text) c = c == '/' ? '\\' : c;
        return text;
    }
};

// Hands back the next answer and records what it was asked.
class FakeChooser : public FolderChooser {
  public:
    explicit FakeChooser(std::optional<std::string> answer) {
        if (answer) answer_ = NativePath(*answer);
    }

    std::optional<NativePath> ChooseFolder(const std::string& title,
                                           const NativePath& start) override {
        titles.push_back(title);
        starts.push_back(start);
        return answer_;
    }

    std::vector<std::string> titles;
    std::vector<NativePath> starts;

  private:
    std::optional<NativePath> answer_;
};

TEST(BrowseForFolder, AConfirmedChoiceGivesTheFolderWithItsTrailingBackslash) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::string("/media/usb/Backup/2008"));
    EXPECT_EQ(BrowseForFolder(chooser, drives, "E:\\Old\\", messages), "E:\\Backup\\2008\\");
    ASSERT_EQ(chooser.starts.size(), 1u);
    EXPECT_EQ(chooser.starts[0].Text(), "/media/usb/Old/");
    EXPECT_EQ(chooser.titles[0], "Select Folder");
}

TEST(BrowseForFolder, ACancelGivesNothingAndAnEmptyRememberedFolderStartsAtTheDefault) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::nullopt);
    EXPECT_EQ(BrowseForFolder(chooser, drives, "", messages), std::nullopt);
    ASSERT_EQ(chooser.starts.size(), 1u);
    EXPECT_TRUE(chooser.starts[0].Empty());
}

TEST(BrowseForFolder, ARememberedFolderOnNoDriveStartsAtTheDefault) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::string("/Data"));
    EXPECT_EQ(BrowseForFolder(chooser, drives, "Q:\\Gone\\", messages), "C:\\Data\\");
    EXPECT_TRUE(chooser.starts.at(0).Empty());
}

TEST(BrowseForFolder, AFolderNameWithALineBreakIsRefusedWithAMessage) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::string("/Data/two\nlines"));
    EXPECT_EQ(BrowseForFolder(chooser, drives, "", messages), std::nullopt);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("/Data/two\nlines"), std::string::npos);
}

TEST(BrowseResult, ADriveRootStaysTheRoot) {
    FakeDrives drives;
    EXPECT_EQ(BrowseResult(NativePath("/"), drives), "C:\\");
    EXPECT_EQ(BrowseResult(NativePath("/media/usb"), drives), "E:\\");
}

TEST(BrowseResult, KeepsFolderNamesThatLookLikeShortcuts) {
    FakeDrives drives;
    EXPECT_EQ(BrowseResult(NativePath("/Data/Projects.lnk"), drives), "C:\\Data\\Projects.lnk\\");
}

TEST(BrowseResult, RefusesFoldersItCannotNameRightly) {
    FakeDrives drives;
    EXPECT_EQ(BrowseResult(NativePath("relative/path"), drives), std::nullopt);
    // The "*" would end the name early and name the parent folder instead.
    EXPECT_EQ(BrowseResult(NativePath("/Data/a*b"), drives), std::nullopt);
}

}  // namespace
}  // namespace zarvik3
