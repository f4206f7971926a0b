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

    std::optional<std::string> ToNativePath(const std::string& text) override {
        if (text.rfind("C:\\", 0) == 0) return Slashed("/" + text.substr(3));
        if (text.rfind("E:\\", 0) == 0) return Slashed("/media/usb/" + text.substr(3));
        return std::nullopt;
    }

    std::optional<std::string> ToFolderText(const std::string& path) override {
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
    explicit FakeChooser(std::optional<std::string> answer) : answer_(std::move(answer)) {}

    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& start) override {
        titles.push_back(title);
        starts.push_back(start);
        return answer_;
    }

    std::vector<std::string> titles;
    std::vector<std::string> starts;

  private:
    std::optional<std::string> answer_;
};

TEST(BrowseForFolder, AConfirmedChoiceGivesTheFolderWithItsTrailingBackslash) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::string("/media/usb/Backup/2008"));
    EXPECT_EQ(BrowseForFolder(chooser, drives, "E:\\Old\\", messages), "E:\\Backup\\2008\\");
    ASSERT_EQ(chooser.starts.size(), 1u);
    EXPECT_EQ(chooser.starts[0], "/media/usb/Old/");
    EXPECT_EQ(chooser.titles[0], "Select Folder");
}

TEST(BrowseForFolder, ACancelGivesNothingAndAnEmptyRememberedFolderStartsAtTheDefault) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::nullopt);
    EXPECT_EQ(BrowseForFolder(chooser, drives, "", messages), std::nullopt);
    ASSERT_EQ(chooser.starts.size(), 1u);
    EXPECT_EQ(chooser.starts[0], "");
}

TEST(BrowseForFolder, ARememberedFolderOnNoDriveStartsAtTheDefault) {
    FakeDrives drives;
    test::RecordingMessages messages;
    FakeChooser chooser(std::string("/Data"));
    EXPECT_EQ(BrowseForFolder(chooser, drives, "Q:\\Gone\\", messages), "C:\\Data\\");
    EXPECT_EQ(chooser.starts.at(0), "");
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
    EXPECT_EQ(BrowseResult(std::string("/"), drives), "C:\\");
    EXPECT_EQ(BrowseResult(std::string("/media/usb"), drives), "E:\\");
}

TEST(BrowseResult, KeepsFolderNamesThatLookLikeShortcuts) {
    FakeDrives drives;
    EXPECT_EQ(BrowseResult(std::string("/Data/Projects.lnk"), drives), "C:\\Data\\Projects.lnk\\");
}

TEST(BrowseResult, RefusesFoldersItCannotNameRightly) {
    FakeDrives drives;
    EXPECT_EQ(BrowseResult(std::string("relative/path"), drives), std::nullopt);
    // The "*" would end the name early and name the parent folder instead.
    EXPECT_EQ(BrowseResult(std::string("/Data/a*b"), drives), std::nullopt);
}

}  // namespace
}  // namespace zarvik3
