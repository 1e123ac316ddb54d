#include "render/wheel_painter.h"

#include <QFontMetricsF>

#include <array>
#include <map>
#include <utility>

#include "render/glyph_font.h"

namespace helion::render {
namespace {

constexpr std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// Fonts and their metrics on the painter's device, made once per size and weight.
class FontCache {
public:
    explicit FontCache(QPaintDevice* device) : device_(device) {}
    const std::pair<QFont, QFontMetricsF>& at(double size, bool bold) {
        const auto key = std::pair{size, bold};
        auto found = fonts_.find(key);
        if (found == fonts_.end()) {
            QFont font = glyphFont(size, bold);
            found = fonts_.emplace(key, std::pair{font, QFontMetricsF(font, device_)}).first;
        }
        return found->second;
    }

private:
    QPaintDevice* device_;
    std::map<std::pair<double, bool>, std::pair<QFont, QFontMetricsF>> fonts_;
};

QPen thinPen(int colour) {
    QPen pen(paletteColour(colour));
    pen.setWidthF(0);  // cosmetic: one device pixel on every device
    pen.setCosmetic(true);
    return pen;
}

// The part of the device the paint can reach: a painter clipped to the exposed part of a
// widget (a tall picture scrolled in its window) draws only there.
QRectF paintedRows(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    QRectF rows(0, 0, device->width(), device->height());
    if (!painter.worldTransform().isIdentity()) return rows.adjusted(0, -1e9, 0, 1e9);
    if (painter.hasClipping()) rows &= painter.clipBoundingRect();
    return rows;
}

void drawText(QPainter& painter, FontCache& fonts, const DeviceMapping& mapping, const QRectF& rows,
              const TextShape& text) {
    const auto& [font, metrics] = fonts.at(text.fontSize, text.bold);
    // Setting a text is the costly part of a paint; one wholly above or below is skipped.
    const double y = mapping.map(text.at).y();
    if (y + metrics.height() < rows.top() || y - metrics.height() > rows.bottom()) return;
    const QString characters = text.glyph != 0 ? glyphText(text.glyph) : QString::fromStdString(text.text);
    const double width = metrics.horizontalAdvance(characters);
    QPointF corner = mapping.map(text.at);
    if (text.anchor == TextAnchor::TopRight) corner.rx() -= width;
    if (text.anchor == TextAnchor::Centre) corner -= QPointF(width / 2, metrics.height() / 2);
    painter.setFont(font);
    painter.setPen(paletteColour(text.colour));
    painter.drawText(QPointF(corner.x(), corner.y() + metrics.ascent()), characters);
}

}  // namespace

QColor paletteColour(int colour) {
    if (colour < 0 || colour >= static_cast<int>(kPalette.size())) return Qt::black;
    return QColor(kPalette[static_cast<std::size_t>(colour)]);
}

void paintDisplayList(QPainter& painter, const std::vector<WheelPrimitive>& primitives, const WheelFrame& frame,
                      int background, const QRectF& area) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(area, paletteColour(background));
    const DeviceMapping mapping(frame, area);
    const QPointF centre = mapping.map({0, 0});
    FontCache fonts(painter.device());
    const QRectF rows = paintedRows(painter);
    for (const WheelPrimitive& primitive : primitives) {
        if (const auto* circle = std::get_if<CircleShape>(&primitive)) {
            const double r = mapping.length(circle->radius);
            painter.setPen(thinPen(circle->colour));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, r, r);
        } else if (const auto* disc = std::get_if<DiscShape>(&primitive)) {
            const double r = mapping.length(disc->radius);
            painter.setPen(Qt::NoPen);
            painter.setBrush(paletteColour(disc->colour));
            painter.drawEllipse(centre, r, r);
        } else if (const auto* line = std::get_if<LineShape>(&primitive)) {
            painter.setPen(thinPen(line->colour));
            painter.drawLine(mapping.map(line->from), mapping.map(line->to));
        } else if (const auto* box = std::get_if<BoxShape>(&primitive)) {
            const WheelBox& b = box->box;
            painter.fillRect(QRectF(mapping.map({b.left, b.top}), mapping.map({b.right, b.bottom})),
                             paletteColour(box->colour));
        } else {
            drawText(painter, fonts, mapping, rows, std::get<TextShape>(primitive));
        }
    }
    painter.restore();
}

void paintWheel(QPainter& painter, const WheelDrawing& drawing, const QRectF& area) {
    paintDisplayList(painter, drawing.primitives, drawing.frame, drawing.background, area);
}

}  // namespace helion::render
