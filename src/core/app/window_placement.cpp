#include "core/app/window_placement.h"

#include <algorithm>

namespace helion {

ScreenRect frameRect(const WindowPlace& place, const FrameMargins& frame) {
    return {place.left, place.top, frame.left + place.width + frame.right, frame.top + place.height + frame.bottom};
}

WindowPlace keepOnScreen(WindowPlace place, const FrameMargins& frame, const ScreenRect& screen) {
    const int frameWidth = frame.left + frame.right;
    const int frameHeight = frame.top + frame.bottom;
    place.width = std::min(place.width, screen.width - frameWidth);
    place.height = std::min(place.height, screen.height - frameHeight);
    // Past the right or bottom edge first, so that on a screen too small for the frame
    // alone the top-left corner still shows.
    place.left = std::max(screen.left, std::min(place.left, screen.right() - frameWidth - place.width));
    place.top = std::max(screen.top, std::min(place.top, screen.bottom() - frameHeight - place.height));
    return place;
}

WindowPlace placeBelow(const ScreenRect& above, int width, int height, const FrameMargins& frame,
                       const ScreenRect& screen) {
    return keepOnScreen({above.left, above.bottom(), width, height}, frame, screen);
}

WindowPlace placeBeside(const ScreenRect& neighbour, int width, int height, const FrameMargins& frame,
                        const ScreenRect& screen) {
    if (neighbour.right() + frame.left + width + frame.right <= screen.right())
        return keepOnScreen({neighbour.right(), neighbour.top, width, height}, frame, screen);
    return placeBelow(neighbour, width, height, frame, screen);
}

WindowPlace placeReportWindow(const ScreenRect& above, int reportWidth, const FrameMargins& frame,
                              const ScreenRect& screen) {
    // With little room left below, half the screen's height, moved up as far as it must.
    const int height = std::max(screen.bottom() - above.bottom() - frame.top - frame.bottom, screen.height / 2);
    return keepOnScreen({screen.left, above.bottom(), reportWidth, height}, frame, screen);
}

WindowPlace placeWheelWindow(const ScreenRect& main, int width, int height, const FrameMargins& frame,
                             const ScreenRect& screen) {
    const int frameWidth = frame.left + frame.right;
    const int frameHeight = frame.top + frame.bottom;
    const int roomBelow = screen.bottom() - main.bottom() - frameHeight;
    if (height <= roomBelow) return keepOnScreen({main.left, main.bottom(), width, height}, frame, screen);
    if (main.right() + frameWidth + width <= screen.right())
        return keepOnScreen({main.right(), main.top, width, height}, frame, screen);
    return keepOnScreen({main.left, main.bottom(), width, std::max(roomBelow, height / 2)}, frame, screen);
}

}  // namespace helion
