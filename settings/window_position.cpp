#include "settings/window_position.h"

#include <algorithm>
#include <cstdint>

namespace zarvik3 {

namespace {

// 64-bit sums, so far-off saved coordinates cannot overflow.
bool Overlaps(std::int64_t start1, std::int64_t length1, std::int64_t start2,
              std::int64_t length2) {
    return start1 < start2 + length2 && start2 < start1 + length1;
}

std::int64_t Overlap(std::int64_t start1, std::int64_t length1, std::int64_t start2,
                     std::int64_t length2) {
    return std::max<std::int64_t>(
        0, std::min(start1 + length1, start2 + length2) - std::max(start1, start2));
}

// The screen that shows most of the window; the first when none shows any of it.
const ScreenRect& ScreenFor(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
    const ScreenRect* best = &screens.front();
    std::int64_t bestArea = 0;
    for (const ScreenRect& screen : screens) {
        const std::int64_t area = Overlap(window.left, window.width, screen.left, screen.width) *
                                  Overlap(window.top, window.height, screen.top, screen.height);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return *best;
}

// A window larger than the screen keeps its top left corner on it.
int Inside(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
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
    WindowPosition at = kDesignedPosition;
    if (saved && IsOnSomeScreen({saved->left, saved->top, width, height}, screens)) at = *saved;
    if (screens.empty()) return at;
    const ScreenRect& screen = ScreenFor({at.left, at.top, width, height}, screens);
    return {Inside(at.top, height, screen.top, screen.height),
            Inside(at.left, width, screen.left, screen.width)};
}

}  // namespace zarvik3
