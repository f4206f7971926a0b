#include <gtest/gtest.h>

#include <windows.h>

#include "platform/locale_items.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_locale_mapping.h"
#include "text/date_time_text.h"

namespace zarvik3 {
namespace {

Win32LocaleTexts Texts(std::string date, std::string time, std::string am, std::string pm,
                       std::string decimal = ".") {
    Win32LocaleTexts texts;
    texts.shortDate = std::move(date);
    texts.timeFormat = std::move(time);
    texts.amText = std::move(am);
    texts.pmText = std::move(pm);
    texts.decimal = std::move(decimal);
    return texts;
}

TEST(Win32LocaleMappingTest, TheSystemsOwnLocales) {
    const auto us = MapWin32LocaleTexts(Texts("M/d/yyyy", "h:mm:ss tt", "AM", "PM"));
    EXPECT_EQ(us.shortDatePattern, "M/d/yyyy");
    EXPECT_EQ(us.dateSeparator, '/');
    EXPECT_FALSE(us.clock24);
    EXPECT_FALSE(us.hourLeadingZero);
    EXPECT_FALSE(us.markerBeforeTime);
    EXPECT_EQ(us.amText, "AM");

    const auto de = MapWin32LocaleTexts(Texts("dd.MM.yyyy", "HH:mm:ss", "", "", ","));
    EXPECT_EQ(de.shortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(de.dateSeparator, '.');
    EXPECT_TRUE(de.clock24);
    EXPECT_TRUE(de.hourLeadingZero);
    EXPECT_EQ(de.amText, "") << "a 24-hour clock keeps its empty markers";
    EXPECT_EQ(de.decimalSeparator, ',');

    const auto ko = MapWin32LocaleTexts(Texts("yyyy-MM-dd", "tt h:mm:ss", "오전", "오후"));
    EXPECT_EQ(ko.dateSeparator, '-');
    EXPECT_TRUE(ko.markerBeforeTime);
    EXPECT_EQ(ko.pmText, "오후");
    EXPECT_EQ(ko.timeSeparator, ':');
}

TEST(Win32LocaleMappingTest, PatternsTakeTheFormOfTheDateTexts) {
    EXPECT_EQ(ShortDatePatternOfWin32("d/M/y"), "d/M/yy");
    EXPECT_EQ(ShortDatePatternOfWin32("ddd, MMM d yyyyy"), "ddd, MMM d yyyy");
    EXPECT_EQ(ShortDatePatternOfWin32("gg yyyy/M/d"), "yyyy/M/d") << "the era goes";
    EXPECT_EQ(ShortDatePatternOfWin32("d'. 'M'.h'yyyy"), "d. M.'h'yyyy");
    EXPECT_EQ(ShortDatePatternOfWin32("dd.MM/yyyy"), "dd.MM'/'yyyy")
        << "a \"/\" that is not the separator stays a \"/\"";
    EXPECT_EQ(ShortDatePatternOfWin32("dd.MM.yyyy 'г.'"), "dd.MM.yyyy") << "text after the date";
    EXPECT_EQ(ShortDatePatternOfWin32("yyyy. MM. dd."), "yyyy. MM. dd.");
    EXPECT_EQ(ShortDatePatternOfWin32("dd\u200F/MM\u200F/yy"), "dd/MM/yy");
    EXPECT_EQ(ShortDatePatternOfWin32("'date'"), std::nullopt);
    EXPECT_EQ(MapWin32LocaleTexts(Texts("'x'", "", "", "")).shortDatePattern,
              LocaleDateSettings().shortDatePattern);
    EXPECT_EQ(MapWin32LocaleTexts(Texts("", "H' h 'mm", "", "")).timeSeparator,
              LocaleDateSettings().timeSeparator);
}

TEST(Win32LocaleMappingTest, TheUsersLocaleIsReadSundayFirstAndWritesDatesThatReadBack) {
    const LocaleDateSettings locale = LoadLocaleDateSettings();
    wchar_t sunday[80] = {};
    ASSERT_GT(GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDAYNAME7, sunday, 80), 1);
    EXPECT_EQ(locale.longDayNames[0], Narrow(sunday));
    const TDateTime value = EncodeDateTime({2026, 1, 31, 15, 4, 5, 0});
    const std::string text = FormatDateTimeText(value, locale);
    EXPECT_EQ(ParseDateTimeText(text, locale, 2026), value) << text;
}

}  // namespace
}  // namespace zarvik3
