#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/locale_items.h"
#include "platform/posix/locale_mapping.h"

namespace zarvik3 {
namespace {

LocaleTexts Texts(std::string date, std::string time, std::string twelveHour, std::string am,
                  std::string pm, std::string radix = ".") {
    LocaleTexts texts;
    texts.dateFormat = std::move(date);
    texts.timeFormat = std::move(time);
    texts.twelveHourTimeFormat = std::move(twelveHour);
    texts.amText = std::move(am);
    texts.pmText = std::move(pm);
    texts.decimal = std::move(radix);
    return texts;
}

// The locale the C library picks for dates from the environment.
std::string EffectiveTimeLocale() {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return "C";
}

TEST(LocaleMappingTest, UnitedStates) {
    const auto s = MapLocaleTexts(Texts("%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"));
    EXPECT_EQ(s.shortDatePattern, "MM/dd/yyyy");
    EXPECT_EQ(s.dateSeparator, '/');
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_FALSE(s.clock24);
    EXPECT_TRUE(s.hourLeadingZero);
    EXPECT_FALSE(s.markerBeforeTime);
    EXPECT_EQ(s.amText, "AM");
    EXPECT_EQ(s.pmText, "PM");
    EXPECT_EQ(s.decimalSeparator, '.');
}

TEST(LocaleMappingTest, GermanyKeepsItsEmptyMarkersWithTheTwentyFourHourClock) {
    const auto s = MapLocaleTexts(Texts("%d.%m.%Y", "%T", "", "", "", ","));
    EXPECT_EQ(s.shortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(s.dateSeparator, '.');
    EXPECT_TRUE(s.clock24);
    EXPECT_TRUE(s.hourLeadingZero);
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_EQ(s.amText, "");
    EXPECT_EQ(s.pmText, "");
    EXPECT_EQ(s.decimalSeparator, ',');
}

TEST(LocaleMappingTest, GreatBritain) {
    const auto s = MapLocaleTexts(Texts("%d/%m/%y", "%T", "%l:%M:%S %P %Z", "am", "pm"));
    EXPECT_EQ(s.shortDatePattern, "dd/MM/yy");
    EXPECT_EQ(s.dateSeparator, '/');
    EXPECT_TRUE(s.clock24);
    EXPECT_TRUE(s.hourLeadingZero);
    EXPECT_EQ(s.amText, "am");
}

TEST(LocaleMappingTest, TheCLocale) {
    const auto s = MapLocaleTexts(Texts("%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"));
    EXPECT_EQ(s.shortDatePattern, "MM/dd/yy");
    EXPECT_TRUE(s.clock24);
    EXPECT_TRUE(s.hourLeadingZero);
}

TEST(LocaleMappingTest, ATwelveHourClockWithoutMarkerTextsUsesTheFallbacks) {
    const auto s = MapLocaleTexts(Texts("%m/%d/%Y", "%l:%M:%S %p", "", "", ""));
    EXPECT_FALSE(s.clock24);
    EXPECT_FALSE(s.hourLeadingZero);
    EXPECT_EQ(s.amText, "am");
    EXPECT_EQ(s.pmText, "pm");
}

TEST(LocaleMappingTest, TheMarkerGoesBeforeWhenTheTwelveHourFormatPutsItFirst) {
    const auto s = MapLocaleTexts(Texts("%Y. %m. %d.", "%H\xEC\x8B\x9C %M\xEB\xB6\x84",
                                        "%p %I\xEC\x8B\x9C %M\xEB\xB6\x84", "AM", "PM"));
    EXPECT_TRUE(s.markerBeforeTime);
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_EQ(s.dateSeparator, '.');
}

TEST(LocaleMappingTest, TheTimeSeparatorIsTheLiteralAfterTheHour) {
    EXPECT_EQ(MapLocaleTexts(Texts("%d.%m.%Y", "%H.%M.%S", "", "", "")).timeSeparator, '.');
    const auto s = MapLocaleTexts(Texts("%d.%m.%Y", "%k:%M", "", "", ""));
    EXPECT_TRUE(s.clock24);
    EXPECT_FALSE(s.hourLeadingZero);
}

TEST(LocaleMappingTest, UnusableDateFormatsKeepTheFallbacks) {
    for (const std::string format : {"", "%", "%j/%Y", "%x", "%d/%m/%"}) {
        const auto s = MapLocaleTexts(Texts(format, "%T", "", "", ""));
        EXPECT_EQ(s.shortDatePattern, "m/d/yy") << format;
        EXPECT_EQ(s.dateSeparator, '/') << format;
    }
}

TEST(LocaleMappingTest, DatePatternsCarryNamesLiteralsAndCompositeFormats) {
    EXPECT_EQ(ShortDatePatternOf("%F"), "yyyy-MM-dd");
    EXPECT_EQ(ShortDatePatternOf("%D"), "MM/dd/yy");
    EXPECT_EQ(ShortDatePatternOf("%e.%-m.%Y"), "d.M.yyyy");
    EXPECT_EQ(ShortDatePatternOf("%a %d %b %Y"), "ddd dd MMM yyyy");
    EXPECT_EQ(ShortDatePatternOf("%A, %B %Ey"), "dddd, MMMM yy");
    // Literal letters and quotes must not read as tokens or quoting.
    EXPECT_EQ(ShortDatePatternOf("%d de %B"), "dd 'd''e' MMMM");
    EXPECT_EQ(ShortDatePatternOf("%d'%m\"%y"), "dd\"'\"MM'\"'yy");
    EXPECT_EQ(ShortDatePatternOf("100%%"), "100%");
    // Tokens of the same letter side by side would run into one.
    EXPECT_EQ(ShortDatePatternOf("%d%a"), "ddDDD");
}

TEST(LocaleMappingTest, NamesAndTheRadixReplaceTheFallbacksOnlyWhenUsable) {
    LocaleTexts texts = Texts("%d.%m.%Y", "%T", "", "", "", "\xD9\xAB");
    texts.longMonthNames[2] = "M\xC3\xA4rz";
    texts.shortDayNames[0] = "So";
    const auto s = MapLocaleTexts(texts);
    EXPECT_EQ(s.longMonthNames[2], "M\xC3\xA4rz");
    EXPECT_EQ(s.longMonthNames[3], "April");
    EXPECT_EQ(s.shortDayNames[0], "So");
    EXPECT_EQ(s.shortDayNames[1], "Mon");
    EXPECT_EQ(s.decimalSeparator, '.');
}

TEST(LocaleItemsTest, TheCUtf8EnvironmentGivesTheCLocaleItems) {
    const std::string locale = EffectiveTimeLocale();
    if (locale != "C.UTF-8" && locale != "C" && locale != "POSIX") {
        GTEST_SKIP() << "the locale is '" << locale << "', not the C locale the test runs under";
    }
    const auto s = LoadLocaleDateSettings();
    EXPECT_EQ(s.shortDatePattern, "MM/dd/yy");
    EXPECT_EQ(s.longMonthNames[0], "January");
    EXPECT_EQ(s.shortDayNames[0], "Sun");
    EXPECT_TRUE(s.clock24);
}

}  // namespace
}  // namespace zarvik3
