#include <gtest/gtest.h>

#include "support/locale_fixtures.h"
#include "text/date_time_text.h"

namespace zarvik3 {
namespace {

constexpr int kYear = 2026;

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return EncodeDateTime(DateTimeParts{y, mo, d, h, mi, s, ms});
}

TDateTime Parse(const std::string& text, const LocaleDateSettings& locale) {
    return ParseDateTimeText(text, locale, kYear);
}

void ExpectFailure(const std::string& text, const LocaleDateSettings& locale) {
    try {
        Parse(text, locale);
        ADD_FAILURE() << "'" << text << "' was accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid date and time");
    }
}

TEST(DateTimeParseTest, ReadsDatesWithAndWithoutTime) {
    EXPECT_DOUBLE_EQ(Parse("07.12.2026 14:05:09", test::DeDe()), At(2026, 12, 7, 14, 5, 9));
    EXPECT_DOUBLE_EQ(Parse("07.12.2026", test::DeDe()), At(2026, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7/2026 2:05:09 PM", test::EnUs()), At(2026, 12, 7, 14, 5, 9));
    EXPECT_DOUBLE_EQ(Parse("07/12/2026 14:05", test::EnGb()), At(2026, 12, 7, 14, 5));
    EXPECT_DOUBLE_EQ(Parse("07/12/2026 14", test::EnGb()), At(2026, 12, 7, 14));
}

TEST(DateTimeParseTest, TimeAloneLandsOnTheZeroDate) {
    EXPECT_DOUBLE_EQ(Parse("14:05:09", test::DeDe()), At(1899, 12, 30, 14, 5, 9));
    EXPECT_DOUBLE_EQ(Parse("2:05 pm", test::EnUs()), At(1899, 12, 30, 14, 5));
    EXPECT_DOUBLE_EQ(Parse("7", test::DeDe()), At(1899, 12, 30, 7));
    ExpectFailure("14:05:09 tomorrow", test::DeDe());
}

TEST(DateTimeParseTest, TwoNumbersAreDayAndMonthOfTheCurrentYear) {
    EXPECT_DOUBLE_EQ(Parse("7.12", test::DeDe()), At(2026, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7", test::EnUs()), At(2026, 12, 7));
    auto iso = test::EnGb();
    iso.shortDatePattern = "yyyy-MM-dd";
    iso.dateSeparator = '-';
    EXPECT_DOUBLE_EQ(Parse("12-7", iso), At(2026, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("2026-12-07", iso), At(2026, 12, 7));
}

TEST(DateTimeParseTest, ShortYearsLandAroundTheCurrentYear) {
    const LocaleDateSettings fallback;
    EXPECT_DOUBLE_EQ(Parse("12/7/26", fallback), At(2026, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7/76", fallback), At(1976, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7/75", fallback), At(2075, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7/5", fallback), At(2005, 12, 7));
    EXPECT_DOUBLE_EQ(ParseDateTimeText("1/1/0", fallback, 2050), At(2000, 1, 1));
    EXPECT_DOUBLE_EQ(ParseDateTimeText("1/1/99", fallback, 2050), At(2099, 1, 1));
    // Three and four digits are taken as written.
    EXPECT_DOUBLE_EQ(Parse("12/7/026", fallback), At(26, 12, 7));
    EXPECT_DOUBLE_EQ(Parse("12/7/0099", fallback), At(99, 12, 7));
}

TEST(DateTimeParseTest, CurrentYearOutsideTheCalendarPlacesNoYear) {
    const LocaleDateSettings fallback;
    EXPECT_THROW(ParseDateTimeText("12/7/26", fallback, 0), EConvertError);
    EXPECT_THROW(ParseDateTimeText("12/7", fallback, 2147483647), EConvertError);
    EXPECT_DOUBLE_EQ(ParseDateTimeText("12/7/2026", fallback, -5), At(2026, 12, 7));
}

TEST(DateTimeParseTest, TwelveHourMarkers) {
    const auto us = test::EnUs();
    EXPECT_DOUBLE_EQ(Parse("12:30:00 AM", us), At(1899, 12, 30, 0, 30));
    EXPECT_DOUBLE_EQ(Parse("12:30:00 PM", us), At(1899, 12, 30, 12, 30));
    EXPECT_DOUBLE_EQ(Parse("PM 2:05:09", us), At(1899, 12, 30, 14, 5, 9));
    EXPECT_DOUBLE_EQ(Parse("12/7/2026 pm 2:05", us), At(2026, 12, 7, 14, 5));
    EXPECT_DOUBLE_EQ(Parse("12/7/2026 2:05:09pM", us), At(2026, 12, 7, 14, 5, 9));
    ExpectFailure("0:30 AM", us);
    ExpectFailure("13:00 PM", us);
    ExpectFailure("PM 2:05 PM", us);
    ExpectFailure("12/7/2026 13:00 PM", us);
}

TEST(DateTimeParseTest, LocaleMarkerTextsAreAcceptedBesideTheLetters) {
    auto locale = test::EnUs();
    locale.amText = "vorm.";
    locale.pmText = "nachm.";
    EXPECT_DOUBLE_EQ(Parse("2:05 NACHM.", locale), At(1899, 12, 30, 14, 5));
    EXPECT_DOUBLE_EQ(Parse("2:05 vorm.", locale), At(1899, 12, 30, 2, 5));
    EXPECT_DOUBLE_EQ(Parse("2:05 pm", locale), At(1899, 12, 30, 14, 5));
    // A locale marker that begins with the plain letters is taken whole.
    locale.amText = "AMx";
    EXPECT_DOUBLE_EQ(Parse("2:05 amx", locale), At(1899, 12, 30, 2, 5));
}

TEST(DateTimeParseTest, MillisecondsFollowTheDecimalSeparator) {
    EXPECT_DOUBLE_EQ(Parse("07/12/2026 14:05:09.250", test::EnGb()),
                     At(2026, 12, 7, 14, 5, 9, 250));
    EXPECT_DOUBLE_EQ(Parse("07.12.2026 14:05:09,999", test::DeDe()),
                     At(2026, 12, 7, 14, 5, 9, 999));
    ExpectFailure("07.12.2026 14:05:09,1000", test::DeDe());
    ExpectFailure("07.12.2026 14:05:09.250", test::DeDe());
    ExpectFailure("07.12.2026 14:05,250", test::DeDe());
}

TEST(DateTimeParseTest, BlanksMayStandBeforeEveryPiece) {
    EXPECT_DOUBLE_EQ(Parse("  7 . 12 . 2026   14 : 05 : 09 ", test::DeDe()),
                     At(2026, 12, 7, 14, 5, 9));
    EXPECT_DOUBLE_EQ(Parse(" 12 / 7 / 2026 2 : 05  PM", test::EnUs()), At(2026, 12, 7, 14, 5));
}

TEST(DateTimeParseTest, RejectsWhatIsNoDateOrTime) {
    const auto de = test::DeDe();
    ExpectFailure("", de);
    ExpectFailure("   ", de);
    ExpectFailure("31.02.2026", de);
    ExpectFailure("29.02.2026", de);
    ExpectFailure("7 Dez 2026", de);
    ExpectFailure("7.Dez.2026", de);
    ExpectFailure("07.12.2026 14:05x", de);
    ExpectFailure("07.12.2026 24:00", de);
    ExpectFailure("07.12.2026 14:60", de);
    ExpectFailure("07.12.2026 14:05:60", de);
    ExpectFailure("07.12.2026 14:", de);
    ExpectFailure("07.12.", de);
    ExpectFailure("07.12.20261", de);
    ExpectFailure("1.1.10000", de);
    ExpectFailure("1.1.0000", de);
    ExpectFailure("-1.1.2026", de);
    ExpectFailure("'quoted' 7.12.2026", de);
}

TEST(DateTimeParseTest, OrderComesFromTheFirstDateLetterOutsideQuotes) {
    auto locale = test::EnGb();
    locale.shortDatePattern = "'month' dd/MM/yyyy";
    EXPECT_DOUBLE_EQ(Parse("7/12/2026", locale), At(2026, 12, 7));
    locale.shortDatePattern = "'-'";
    EXPECT_DOUBLE_EQ(Parse("12/7/2026", locale), At(2026, 12, 7));
}

void ExpectRoundTrips(const LocaleDateSettings& locale, const std::vector<TDateTime>& values) {
    for (const TDateTime value : values) {
        const std::string text = FormatDateTimeText(value, locale);
        EXPECT_DOUBLE_EQ(Parse(text, locale), value) << text;
    }
}

TEST(DateTimeParseTest, FormattedTextsReadBack) {
    const std::vector<TDateTime> values{
        At(2026, 12, 7, 14, 5, 9), At(2026, 12, 7),         At(2026, 12, 7, 0, 0, 1),
        At(2026, 12, 7, 0, 30),    At(2026, 12, 7, 12, 30), At(2026, 1, 1, 23, 59, 59),
        At(1899, 12, 29, 6),       At(1, 1, 1, 11, 11, 11), At(9999, 12, 31, 23, 59, 59),
        At(1066, 10, 14, 9),       At(2000, 2, 29, 12),     0,
    };
    ExpectRoundTrips(test::EnUs(), values);
    ExpectRoundTrips(test::DeDe(), values);
    ExpectRoundTrips(test::EnGb(), values);
    auto before = test::EnUs();
    before.markerBeforeTime = true;
    ExpectRoundTrips(before, values);
    auto unmarked = test::DeDe();
    unmarked.clock24 = false;
    ExpectRoundTrips(unmarked, values);
    auto closed = test::DeDe();
    closed.shortDatePattern = "yyyy. MM. dd.";
    ExpectRoundTrips(closed, values);
}

TEST(DateTimeParseTest, TwoDigitYearTextsReadBackInsideTheWindow) {
    const std::vector<TDateTime> values{At(2026, 12, 7, 14, 5, 9), At(1976, 1, 1, 0, 0, 1),
                                        At(2075, 12, 31, 23, 59, 59), At(2000, 2, 29)};
    ExpectRoundTrips(LocaleDateSettings{}, values);
}

}  // namespace
}  // namespace zarvik3
