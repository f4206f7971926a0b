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

TEST(OpeningPositionTest, APartlyShownWindowOpensWhollyOnItsScreen) {
    const std::vector<ScreenRect> screens{{0, 0, 1920, 1080}, {1920, -200, 1280, 1024}};
    EXPECT_EQ(OpeningPosition(WindowPosition{-40, -500}, 600, 400, screens),
              (WindowPosition{0, 0}));
    EXPECT_EQ(OpeningPosition(WindowPosition{-150, 2500}, 600, 400, screens),
              (WindowPosition{-150, 2500}));
    EXPECT_EQ(OpeningPosition(WindowPosition{900, 1700}, 600, 400, screens),
              (WindowPosition{680, 1320}));
    EXPECT_EQ(OpeningPosition(WindowPosition{2147483000, 2147483000}, 600, 400, screens),
              kDesignedPosition);
}

// At twice the scale the designed place puts the right of the window off a small screen.
TEST(OpeningPositionTest, TheDesignedPlaceIsKeptOnASmallScreen) {
    const std::vector<ScreenRect> small{{0, 0, 800, 500}};
    const WindowPosition at = OpeningPosition(std::nullopt, 500, 320, small);
    EXPECT_EQ(at.left, 300);
    EXPECT_EQ(at.top, kDesignedPosition.top);
    EXPECT_EQ(OpeningPosition(std::nullopt, 1000, 700, small), (WindowPosition{0, 0}));
}

}  // namespace
}  // namespace zarvik3
