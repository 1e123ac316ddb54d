#include "ui/window_frames.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace helion::ui {
namespace {

constexpr int kFrameWaitMs = 2000;

}  // namespace

void waitUntilFramed(QWidget& window) {
    const QDeadlineTimer deadline(kFrameWaitMs);
    while (!deadline.hasExpired()) {
        const QWindow* handle = window.windowHandle();
        if (handle && handle->isExposed()) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // The frame extents arrive with the window manager's first events after the mapping.
    QCoreApplication::processEvents();
}

FrameMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

ScreenRect freeScreenArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return {0, 0, window.width(), window.height()};
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height()};
}

WindowPlace placeOf(const QWidget& window) {
    return {window.pos().x(), window.pos().y(), window.width(), window.height()};
}

void applyPlace(QWidget& window, const WindowPlace& place) {
    window.resize(place.width, place.height);
    window.move(place.left, place.top);
}

}  // namespace helion::ui
