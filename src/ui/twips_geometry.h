#pragma once
// Places a window from geometry kept in twips and reads it back, at the screen's
// logical resolution. Top and left are the outer frame's; height and width the inside.

class QWidget;

namespace helion::ui {

struct TwipsRect {
    double top = 0;
    double left = 0;
    double height = 0;
    double width = 0;
};

void placeInTwips(QWidget& window, const TwipsRect& rect);
TwipsRect geometryInTwips(const QWidget& window);

}  // namespace helion::ui
