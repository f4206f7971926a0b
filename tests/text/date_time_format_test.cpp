#include <gtest/gtest.h>

#include "support/locale_fixtures.h"
#include "text/date_time_text.h"

namespace zarvik3 {
namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return EncodeDateTime(DateTimeParts{y, mo, d, h, mi, s, ms});
}

TEST(DateTimeFormatTest, WritesTheReferenceLocales) {
    const TDateTime afternoon = At(2026, 12, 7, 14, 5, 9, 250);
    const TDateTime morning = At(2026, 12, 7, 9, 5, 9);
    EXPECT_EQ(FormatDateTimeText(afternoon, test::DeDe()), "07.12.2026 14:05:09");
    EXPECT_EQ(FormatDateTimeText(morning, test::DeDe()), "07.12.2026 09:05:09");
    EXPECT_EQ(FormatDateTimeText(afternoon, test::EnUs()), "12/7/2026 2:05:09 PM");
    EXPECT_EQ(FormatDateTimeText(morning, test::EnUs()), "12/7/2026 9:05:09 AM");
    EXPECT_EQ(FormatDateTimeText(morning, test::EnGb()), "07/12/2026 09:05:09");
    EXPECT_EQ(FormatDateTimeText(afternoon, LocaleDateSettings{}), "12/7/26 2:05:09 pm");
}

TEST(DateTimeFormatTest, MidnightWritesTheDateAlone) {
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7), test::DeDe()), "07.12.2026");
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 0, 0, 0, 999), test::DeDe()), "07.12.2026");
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 0, 0, 1), test::DeDe()), "07.12.2026 00:00:01");
    EXPECT_EQ(FormatDateTimeText(0, test::DeDe()), "30.12.1899");
    // Less than half a millisecond before midnight is the next day.
    EXPECT_EQ(FormatDateTimeText(2.9999999999, test::DeDe()), "02.01.1900");
}

TEST(DateTimeFormatTest, SecondsAreCutNotRounded) {
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 14, 5, 9, 900), test::EnGb()),
              "07/12/2026 14:05:09");
}

TEST(DateTimeFormatTest, TwelveHourClockShowsTwelveForMidnightAndNoon) {
    const auto us = test::EnUs();
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 0, 30), us), "12/7/2026 12:30:00 AM");
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 12, 30), us), "12/7/2026 12:30:00 PM");
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 23, 59, 59), us), "12/7/2026 11:59:59 PM");
    auto zeroed = us;
    zeroed.hourLeadingZero = true;
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 14, 5, 9), zeroed), "12/7/2026 02:05:09 PM");
}

TEST(DateTimeFormatTest, MarkerCanStandBeforeTheTime) {
    auto locale = test::EnUs();
    locale.shortDatePattern = "yyyy-MM-dd";
    locale.dateSeparator = '-';
    locale.markerBeforeTime = true;
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 14, 5, 9), locale), "2026-12-07 PM 2:05:09");
}

TEST(DateTimeFormatTest, EmptyMarkerTextsStillTellMorningFromAfternoon) {
    auto locale = test::DeDe();
    locale.clock24 = false;
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 14, 5, 9), locale), "07.12.2026 02:05:09 PM");
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7, 2, 5, 9), locale), "07.12.2026 02:05:09 AM");
}

TEST(DateTimeFormatTest, PatternTokens) {
    auto locale = test::EnUs();
    const TDateTime date = At(2026, 3, 2);  // a Monday
    const auto format = [&](const char* pattern) {
        locale.shortDatePattern = pattern;
        return FormatDateTimeText(date, locale);
    };
    EXPECT_EQ(format("d dd ddd dddd"), "2 02 Mon Monday");
    EXPECT_EQ(format("m mm mmm mmmm mmmmm"), "3 03 Mar March March");
    EXPECT_EQ(format("y yy yyy yyyy"), "26 26 2026 2026");
    EXPECT_EQ(format("DD.MM.YY"), "02.03.26");
    EXPECT_EQ(format("Mm"), "33");  // a change of case starts a new token
    EXPECT_EQ(format("d/m"), "2/3");
    EXPECT_EQ(format("'day' d \"of\" m"), "day 2 of 3");
    EXPECT_EQ(format("d 'open"), "2 open");
    EXPECT_EQ(format("d-m, y!"), "2-3, 26!");
    locale.dateSeparator = '.';
    EXPECT_EQ(format("d/m '/'"), "2.3 /");
}

TEST(DateTimeFormatTest, YearsArePaddedToTheirWidth) {
    auto locale = test::EnUs();
    locale.shortDatePattern = "yyyy yy";
    EXPECT_EQ(FormatDateTimeText(At(99, 1, 1), locale), "0099 99");
    EXPECT_EQ(FormatDateTimeText(At(2005, 1, 1), locale), "2005 05");
}

TEST(DateTimeFormatTest, UsesTheLocaleNames) {
    auto locale = test::DeDe();
    locale.shortDatePattern = "dddd, d. mmmm yyyy";
    locale.longDayNames[1] = "Montag";
    locale.longMonthNames[2] = "M\xC3\xA4rz";
    EXPECT_EQ(FormatDateTimeText(At(2026, 3, 2), locale), "Montag, 2. M\xC3\xA4rz 2026");
}

TEST(DateTimeFormatTest, EmptyPatternFallsBack) {
    auto locale = test::EnUs();
    locale.shortDatePattern.clear();
    EXPECT_EQ(FormatDateTimeText(At(2026, 12, 7), locale), "12/7/26");
}

}  // namespace
}  // namespace zarvik3
