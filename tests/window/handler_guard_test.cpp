// Errors that escape a handler: shown in the error box, and the program goes on.
#include <stdexcept>

#include "window/error_message_text.h"
#include "window/handler_guard.h"
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

}  // namespace
}  // namespace zarvik3::test
