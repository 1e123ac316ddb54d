#pragma once
// Where the windows open, in screen pixels. A window manager puts a frame (title bar and
// borders) around every window; a window is placed by the top-left corner of its frame
// and sized by its inside, so the frame's margins decide what it covers.

namespace helion {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }   // the first column past the rectangle
    int bottom() const { return top + height; }  // the first row below it
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The corner of a window's frame and the size of its inside.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

ScreenRect frameRect(const WindowPlace& place, const FrameMargins& frame);

// Moves a window so that its whole frame lies on the screen's free area, shrinking it
// only where it is larger than that area.
WindowPlace keepOnScreen(WindowPlace place, const FrameMargins& frame, const ScreenRect& screen);

// A window of the given inside size under another window's frame, at its left edge.
WindowPlace placeBelow(const ScreenRect& above, int width, int height, const FrameMargins& frame,
                       const ScreenRect& screen);

// A window to the right of another window's frame at the same height, or under it when
// the screen is too narrow for both side by side.
WindowPlace placeBeside(const ScreenRect& neighbour, int width, int height, const FrameMargins& frame,
                        const ScreenRect& screen);

// A report window under another window's frame: as wide as `reportWidth` where the screen
// has room, and reaching down to the bottom of the screen.
WindowPlace placeReportWindow(const ScreenRect& above, int reportWidth, const FrameMargins& frame,
                              const ScreenRect& screen);

// The wheel window: under the main window's frame when it fits there whole, else beside
// the main window when the screen is wide enough, else under it with the height the screen
// leaves (at least half the wanted height). It never covers the main window's menu bar
// where the screen has room for both.
WindowPlace placeWheelWindow(const ScreenRect& main, int width, int height, const FrameMargins& frame,
                             const ScreenRect& screen);

}  // namespace helion
