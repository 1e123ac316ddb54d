#include "render/glyph_measure.h"

#include <QFontMetricsF>

#include "core/wheels/glyph_stack.h"
#include "render/glyph_font.h"

namespace helion::render {
namespace {

constexpr int kAries = 1;

}  // namespace

UnitsPerPixel unitsPerPixel(const WheelFrame& frame, const QRectF& area) {
    return {(frame.right - frame.left) / area.width(), (frame.top - frame.bottom) / area.height()};
}

GlyphSizes measureGlyphSizes(const WheelStyle& style, const QPaintDevice& device, UnitsPerPixel scale) {
    // The device is only read, but QFontMetricsF takes a non-const pointer.
    auto* paintDevice = const_cast<QPaintDevice*>(&device);
    const auto box = [&](double size, bool bold, const QString& text) {
        const QFontMetricsF metrics(glyphFont(size, bold), paintDevice);
        return TextBox{metrics.horizontalAdvance(text) * scale.x, metrics.height() * scale.y};
    };
    const QString zero = QStringLiteral("0");
    GlyphSizes g;
    g.planet = box(style.planetSize, false, glyphText(kCellGlyph));
    g.degreeDigit = box(style.degreeSize, true, zero);
    g.sign = box(style.signSize, false, glyphText(kFirstSignGlyph + kAries));
    g.minuteDigit = box(style.minuteSize, false, zero);
    g.cuspDigit = box(style.cuspDegreeSize, true, zero);
    g.cuspSign = box(style.cuspSignSize, false, glyphText(kFirstSignGlyph + kAries));
    g.cuspMinuteDigit = box(style.cuspMinuteSize, false, zero);
    g.titleLine = box(style.titleSize, false, zero).height;
    return g;
}

}  // namespace helion::render
