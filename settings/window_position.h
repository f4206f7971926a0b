#pragma once

#include <optional>
#include <vector>

namespace zarvik3 {

// Screen pixels, as stored in "fZarvik": top first.
struct WindowPosition {
    int top = 0;
    int left = 0;
    bool operator==(const WindowPosition&) const = default;
};

inline constexpr WindowPosition kDesignedPosition{22, 519};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Whether the window, placed there, overlaps at least one screen by a pixel.
bool IsOnSomeScreen(const ScreenRect& window, const std::vector<ScreenRect>& screens);

// The position to open at: the saved one, or the designed one when the window would lie
// wholly outside every screen or none was saved; then moved, as little as it takes, onto
// the screen that shows most of it, so that it opens wholly on that screen whatever the
// display's scale.
WindowPosition OpeningPosition(const std::optional<WindowPosition>& saved, int width, int height,
                               const std::vector<ScreenRect>& screens);

}  // namespace zarvik3
