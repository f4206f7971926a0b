#include "settings/window_position.h"

#include <cstdint>

namespace zarvik3 {

namespace {

// 64-bit sums, so far-off saved coordinates cannot overflow.
bool Overlaps(std::int64_t start1, std::int64_t length1, std::int64_t start2,
              std::int64_t length2) {
    return start1 < start2 + length2 && start2 < start1 + length1;
}

}  // namespace

bool IsOnSomeScreen(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
    for (const ScreenRect& screen : screens) {
        if (Overlaps(window.left, window.width, screen.left, screen.width) &&
            Overlaps(window.top, window.height, screen.top, screen.height)) {
            return true;
        }
    }
    return false;
}

WindowPosition OpeningPosition(const std::optional<WindowPosition>& saved, int width, int height,
                               const std::vector<ScreenRect>& screens) {
    if (!saved) return kDesignedPosition;
    const ScreenRect window{saved->left, saved->top, width, height};
    return IsOnSomeScreen(window, screens) ? *saved : kDesignedPosition;
}

}  // namespace zarvik3
