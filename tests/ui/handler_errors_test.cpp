// Errors that escape a handler: shown in the error box, and the program goes on.
#include <stdexcept>

#include "platform/posix/posix_drives.h"
#include "platform/posix/posix_file_system.h"
#include "ui/error_message_text.h"
#include "ui/handler_guard.h"
#include "window_fixture.h"

namespace zarvik3::test {
namespace {

TEST(ErrorMessageText, DotAppendedAfterCharactersSortingAfterIt) {
    EXPECT_EQ(ErrorMessageText("Unable to write"), "Unable to write.");
    EXPECT_EQ(ErrorMessageText("Done."), "Done.");
    EXPECT_EQ(ErrorMessageText("Really!"), "Really!");
    EXPECT_EQ(ErrorMessageText("dir\\"), "dir\\.");
    EXPECT_EQ(ErrorMessageText("caf\xc3\xa9"), "caf\xc3\xa9.");
    EXPECT_EQ(ErrorMessageText(""), "");
}

TEST(HandlerGuard, ShowsTheErrorAndReportsFailure) {
    RecordingMessages messages;
    HandlerGuard guard(messages);
    int runs = 0;
    EXPECT_FALSE(guard.Run([&] {
        ++runs;
        throw std::runtime_error("Not a valid drive letter");
    }));
    EXPECT_EQ(runs, 1);  // run once, not retried
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Not a valid drive letter");
    EXPECT_TRUE(guard.Run([&] { ++runs; }));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST(HandlerGuard, ForeignThrowsAreCaughtToo) {
    RecordingMessages messages;
    HandlerGuard guard(messages);
    EXPECT_FALSE(guard.Run([] { throw 42; }));
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST(HandlerGuard, ACloseThatFailsAsksAndTheAnswerDecides) {
    RecordingMessages messages;
    HandlerGuard guard(messages);
    const auto failingSave = [] { throw std::runtime_error("Unable to write to /x: Disk full"); };
    EXPECT_FALSE(guard.RunClose(failingSave));
    messages.answer = true;
    EXPECT_TRUE(guard.RunClose(failingSave));
    ASSERT_EQ(messages.questions.size(), 2u);
    EXPECT_TRUE(StartsWith(messages.questions[0], "Unable to write to /x: Disk full.\n"));
    EXPECT_TRUE(guard.RunClose([] {}));
    EXPECT_EQ(messages.questions.size(), 2u) << "a save that works asks nothing";
    EXPECT_TRUE(messages.errors.empty());
}

// Throws from the enumeration of one folder, as a failing disk might.
class ThrowingFileSystem : public PosixFileSystem {
  public:
    using PosixFileSystem::FindFirst;
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern, std::uint32_t filter,
                                              EntryDetail detail, std::string& failure) override {
        if (failing && pattern.find("\\sub\\") != std::string::npos) {
            throw std::runtime_error("The device is not ready");
        }
        return PosixFileSystem::FindFirst(pattern, filter, detail, failure);
    }
    bool failing = true;
};

class HandlerErrors : public WindowTest {
  protected:
    void SetUp() override {
        DriveMap map({{'D', tree.Root().string()}}, {});
        auto fs = std::make_unique<ThrowingFileSystem>(map);
        throwing = fs.get();
        platform.fileSystem = std::move(fs);
        OpenWindow();
    }
    ThrowingFileSystem* throwing = nullptr;
};

TEST_F(HandlerErrors, WalkErrorEndsTheRunWithoutSummary) {
    MakeSource(2);
    FillFolders();
    ClickCopy();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "The device is not ready");
    EXPECT_EQ(ListLines().size(), 2u);
    EXPECT_EQ(LabelText("lblNumberFound"), "Checking...");
    EXPECT_FALSE(Label("Label7")->isVisible());
    EXPECT_TRUE(values.LastFromDir.empty());
    // The window goes on working.
    throwing->failing = false;
    ClickCopy();
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(ListLines().size(), 1u);
    EXPECT_TRUE(StartsWith(LabelText("lblNumberFound"), "1 files copied"));
}

// Knows no drive for the program folder's text.
class FailingDrives : public PosixDrives {
  public:
    using PosixDrives::PosixDrives;
    std::optional<std::string> ToFolderText(const std::string&) override {
        throw std::runtime_error("Drive table unreadable");
    }
};

class CreationError : public WindowTest {
  protected:
    void SetUp() override {
        platform.drives = std::make_unique<FailingDrives>(
            std::make_shared<const DriveMap>(DriveMap({{'D', tree.Root().string()}}, {})));
        OpenWindow();
    }
};

TEST_F(CreationError, WindowOpensAllTheSame) {
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Drive table unreadable");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(values.ExeDir.empty());
    EXPECT_EQ(Child<QLineEdit>("edPrev")->text(), ".~|.bak");
}

}  // namespace
}  // namespace zarvik3::test
