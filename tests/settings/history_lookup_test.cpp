#include <gtest/gtest.h>

#include "history_test_support.h"
#include "settings/last_copy_display.h"
#include "text/date_time.h"

namespace zarvik3 {
namespace {

using Strings = std::vector<std::string>;

class HistoryLookupTest : public testing::HistoryTest {
  protected:
    std::optional<std::string> Lookup(const std::string& from) {
        SettingsFile file(Profiles(), FolderText());
        return LookupLastCopy(file, from);
    }
};

TEST_F(HistoryLookupTest, FindsTheStampOfExactlyThatFolder) {
    Record("C:\\Work\\", "", "07.12.2026 14:02:51");
    EXPECT_EQ(Lookup("C:\\Work\\"), "07.12.2026 14:02:51");
    EXPECT_FALSE(Lookup("c:\\work\\"));
    EXPECT_FALSE(Lookup("C:\\Work"));
    EXPECT_FALSE(Lookup("C:\\Wor"));
    EXPECT_FALSE(Lookup(""));
}

TEST_F(HistoryLookupTest, MissingKeyInTheMiddleHidesTheEntriesBeyond) {
    WriteFileText("[FromBox]\r\n0=C:\\A\\_01.12.2026\r\n2=C:\\C\\_03.12.2026\r\n");
    EXPECT_EQ(Load("FromBox"), Strings{"C:\\A\\"});
    EXPECT_FALSE(Lookup("C:\\C\\"));
    EXPECT_EQ(Lookup("C:\\A\\"), "01.12.2026");
}

TEST_F(HistoryLookupTest, ValueWithoutUnderscoreIsAPathWithoutStamp) {
    WriteFileText("[FromBox]\r\n0=C:\\Plain\\\r\n1=_07.12.2026\r\n2=C:\\B\\_02.12.2026\r\n");
    EXPECT_EQ(Load("FromBox"), (Strings{"C:\\Plain\\", "C:\\B\\"})) << "no blank item";
    EXPECT_EQ(Lookup("C:\\Plain\\"), "");
}

TEST_F(HistoryLookupTest, StampThatDoesNotParseShowsTodayWithItsOwnTimeText) {
    WriteFileText("[FromBox]\r\n0=C:\\Work\\_12/7/2026 2:02:51 PM\r\n");
    const std::optional<std::string> stamp = Lookup("C:\\Work\\");
    ASSERT_TRUE(stamp);
    const TDateTime now = 46500.25;
    EXPECT_EQ(DayNumber(StampDate(*stamp, testing::GermanLocale(), now)), 46500);
    EXPECT_EQ(StampTimeText(*stamp), "2:02:51");
}

TEST_F(HistoryLookupTest, StampThatParsesShowsItsOwnDate) {
    EXPECT_EQ(DayNumber(StampDate("07.12.2026 14:02:51", testing::GermanLocale(), 46500.25)),
              46363);
    EXPECT_EQ(StampTimeText("07.12.2026"), "");
}

}  // namespace
}  // namespace zarvik3
