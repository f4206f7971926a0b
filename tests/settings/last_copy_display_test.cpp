#include "settings/last_copy_display.h"

#include <gtest/gtest.h>

#include "settings/window_position.h"

namespace zarvik3 {
namespace {

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
