#include "ui/font_steps.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

#include "core/config/twips.h"

namespace helion::ui {

double fontStep(const QWidget& window) {
    const QScreen* screen = window.screen();
    const int width = screen ? screen->size().width() : 1024;
    const long twipsPerPixel = std::lround(kTwipsPerInch / window.logicalDpiX());
    double factor = 1.5;
    if (width == 800 && twipsPerPixel == 12) factor = 1.2;
    if (width != 640 && width != 800 && twipsPerPixel != 15) factor = 1.2;
    return factor / 2.0;
}

}  // namespace helion::ui
