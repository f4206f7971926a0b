#include "settings/last_copy_display.h"

#include <gtest/gtest.h>

#include "settings/window_position.h"
#include "text/date_time.h"

namespace zarvik3 {
namespace {

TEST(PickerValueTest, SettingTheDateKeepsTheTimeOfDay) {
    const TDateTime value = SetDatePart(kPickerInitialValue, 46363.75);
    EXPECT_EQ(DayNumber(value), 46363);
    const DateTimeParts parts = DecodeDateTime(value);
    EXPECT_EQ(parts.hour, 13);
    EXPECT_EQ(parts.minute, 13);
    EXPECT_EQ(parts.second, 10);
    EXPECT_EQ(parts.millisecond, 906);
}

TEST(PickerValueTest, BackToTheZeroDateKeepsTheTimeToo) {
    const TDateTime value = SetDatePart(SetDatePart(kPickerInitialValue, 46363), 0);
    EXPECT_NEAR(value, kPickerInitialValue, 1e-8);
}

TEST(OpeningPositionTest, WhollyOffScreenFallsBackToTheDesign) {
    const std::vector<ScreenRect> screens{{0, 0, 1920, 1080}};
    EXPECT_EQ(OpeningPosition(WindowPosition{5000, 5000}, 600, 400, screens), kDesignedPosition);
    EXPECT_EQ(OpeningPosition(WindowPosition{-400, 100}, 600, 400, screens), kDesignedPosition);
    EXPECT_EQ(OpeningPosition(std::nullopt, 600, 400, screens), kDesignedPosition);
}

TEST(OpeningPositionTest, PartlyOffScreenIsAppliedAsSaved) {
    const std::vector<ScreenRect> screens{{0, 0, 1920, 1080}, {1920, -200, 1280, 1024}};
    EXPECT_EQ(OpeningPosition(WindowPosition{-40, -500}, 600, 400, screens),
              (WindowPosition{-40, -500}));
    EXPECT_EQ(OpeningPosition(WindowPosition{-150, 2500}, 600, 400, screens),
              (WindowPosition{-150, 2500}));
    EXPECT_EQ(OpeningPosition(WindowPosition{2147483000, 2147483000}, 600, 400, screens),
              kDesignedPosition);
}

}  // namespace
}  // namespace zarvik3
