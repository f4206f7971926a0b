#include <gtest/gtest.h>

#include "platform/win32/long_path.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

TEST(LongPathTest, DrivePathsAndSharesGetTheirLongForms) {
    EXPECT_EQ(LongPath("C:\\Data\\x"), L"\\\\?\\C:\\Data\\x");
    EXPECT_EQ(LongPath("C:\\Data\\.\\y\\..\\x"), L"\\\\?\\C:\\Data\\x");
    EXPECT_EQ(LongPath("\\\\server\\share\\x"), L"\\\\?\\UNC\\server\\share\\x");
    const std::string deep = "C:\\" + std::string(300, 'a') + "\\b";
    EXPECT_EQ(LongPath(deep), L"\\\\?\\" + Widen(deep));
}

TEST(WideTextTest, NamesBeyondAsciiRoundTrip) {
    const std::string name =
        "Gr\xc3\xbc\xc3\x9f"
        "e \xe6\x97\xa5\xf0\x9f\x98\x80";
    EXPECT_EQ(Widen(name).size(), 9u);
    EXPECT_EQ(Narrow(Widen(name)), name);
}

TEST(SystemMessageTest, TheSystemTextWithoutItsClosing) {
    const std::string text = SystemMessage(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_EQ(text.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace zarvik3
