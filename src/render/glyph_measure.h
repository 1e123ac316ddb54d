#pragma once
// Measures the glyph cells a wheel is laid out with, in the glyph font on the device that
// will be painted, and converts them into wheel units.

#include <QPaintDevice>
#include <QRectF>

#include "core/wheels/display_list.h"
#include "core/wheels/wheel_style.h"

namespace helion::render {

// How many wheel units one device pixel spans, across and down.
struct UnitsPerPixel {
    double x = 1.0;
    double y = 1.0;
};

UnitsPerPixel unitsPerPixel(const WheelFrame& frame, const QRectF& area);

GlyphSizes measureGlyphSizes(const WheelStyle& style, const QPaintDevice& device, UnitsPerPixel scale);

}  // namespace helion::render
