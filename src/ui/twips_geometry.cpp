#include "ui/twips_geometry.h"

#include <QWidget>

#include "core/config/twips.h"

namespace helion::ui {

void placeInTwips(QWidget& window, const TwipsRect& rect) {
    const double dpiX = window.logicalDpiX();
    const double dpiY = window.logicalDpiY();
    window.move(twipsToPixels(rect.left, dpiX), twipsToPixels(rect.top, dpiY));
    window.resize(twipsToPixels(rect.width, dpiX), twipsToPixels(rect.height, dpiY));
}

TwipsRect geometryInTwips(const QWidget& window) {
    const double dpiX = window.logicalDpiX();
    const double dpiY = window.logicalDpiY();
    const QPoint corner = window.pos();
    return {pixelsToTwips(corner.y(), dpiY), pixelsToTwips(corner.x(), dpiX), pixelsToTwips(window.height(), dpiY),
            pixelsToTwips(window.width(), dpiX)};
}

}  // namespace helion::ui
