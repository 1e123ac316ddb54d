#pragma once
// Paints a display list (a wheel's or the timeline's) on any paint device: the drawing's
// frame is mapped onto a rectangle of the device, texts are set in the glyph font at their
// point sizes.

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "core/wheels/wheel_drawing.h"

namespace helion::render {

// Where the painter puts the drawing's frame on `area` of the device: wheel units (y
// upward) to device coordinates (y downward); circles and discs take their radius in
// units across.
class DeviceMapping {
public:
    DeviceMapping(const WheelFrame& frame, const QRectF& area)
        : frame_(frame),
          area_(area),
          xScale_(area.width() / (frame.right - frame.left)),
          yScale_(area.height() / (frame.top - frame.bottom)) {}
    QPointF map(const WheelPoint& p) const {
        return {area_.left() + (p.x - frame_.left) * xScale_, area_.top() + (frame_.top - p.y) * yScale_};
    }
    double length(double units) const { return units * xScale_; }

private:
    WheelFrame frame_;
    QRectF area_;
    double xScale_;
    double yScale_;
};

// Colour 0..15 of the standard sixteen-colour palette; other numbers give black.
QColor paletteColour(int colour);

// Fills `area` with the background and draws every primitive, antialiased.
void paintDisplayList(QPainter& painter, const std::vector<WheelPrimitive>& primitives, const WheelFrame& frame,
                      int background, const QRectF& area);
void paintWheel(QPainter& painter, const WheelDrawing& drawing, const QRectF& area);

}  // namespace helion::render
