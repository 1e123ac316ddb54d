#pragma once
// Ends the process as soon as a window is on screen: the moment a user starting the
// program first sees something. Both start-up probes end here, so they differ only in
// what they do before their window appears.

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

namespace helion::bench {

[[noreturn]] inline void exitOnceShown(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::quick_exit(0);
}

}  // namespace helion::bench
