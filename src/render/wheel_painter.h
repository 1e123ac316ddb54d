#pragma once
// Paints a wheel's display list on any paint device: the drawing's frame is mapped onto a
// rectangle of the device, texts are set in the glyph font at their point sizes.

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "core/wheels/wheel_drawing.h"

namespace helion::render {

// Colour 0..15 of the standard sixteen-colour palette; other numbers give black.
QColor paletteColour(int colour);

// Fills `area` with the background and draws every primitive, antialiased.
void paintWheel(QPainter& painter, const WheelDrawing& drawing, const QRectF& area);

}  // namespace helion::render
