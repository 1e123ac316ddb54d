#pragma once
// Windows placed by their frames: the margins the window manager's frame adds around a
// window, the screen's free area, and a window moved and sized to a computed place.

#include "core/app/window_placement.h"

class QWidget;

namespace helion::ui {

// Waits, processing events, until the window is on the screen and its frame is known,
// at most a moment (a screen without a window manager has no frames to wait for).
void waitUntilFramed(QWidget& window);

FrameMargins frameMarginsOf(const QWidget& window);
// The window's screen less panels and docks.
ScreenRect freeScreenArea(const QWidget& window);
WindowPlace placeOf(const QWidget& window);
void applyPlace(QWidget& window, const WindowPlace& place);

}  // namespace helion::ui
