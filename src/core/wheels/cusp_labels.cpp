#include "core/wheels/cusp_labels.h"

#include <algorithm>
#include <cmath>

#include "core/astro/angles.h"
#include "core/wheels/glyph_spreading.h"
#include "core/wheels/glyph_stack.h"
#include "core/wheels/ring_layout.h"

namespace helion {
namespace {

constexpr double kLabelClearance = 3.0;  // units between a label and the outer circle
constexpr double kInterceptedRadius = 236.0;
constexpr double kInterceptedWidthFactor = 0.91984662;

struct Box {
    double left, top, right, bottom;  // top > bottom
};

// The value moved from `low` to `high` at the nearest; a glyph larger than the frame (a
// font size far beyond the window) puts `low` above `high`, and then `high` wins, so the
// glyph keeps its top and right edges on the frame.
double pulledInside(double value, double low, double high) { return std::min(std::max(value, low), high); }

bool insideCircle(const Box& b, double radius) {
    const auto inside = [radius](double x, double y) { return x * x + y * y <= radius * radius; };
    return inside(b.left, b.top) && inside(b.right, b.top) && inside(b.left, b.bottom) && inside(b.right, b.bottom);
}

bool outsideCircle(const Box& b, double radius) {
    const double nearestX = pulledInside(0.0, b.left, b.right), nearestY = pulledInside(0.0, b.bottom, b.top);
    return nearestX * nearestX + nearestY * nearestY >= radius * radius;
}

// Whether the segment from the origin side a to b passes through the box (Liang-Barsky).
bool segmentCrosses(const Box& box, WheelPoint a, WheelPoint b) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const std::array<std::pair<double, double>, 4> sides{
        {{-dx, a.x - box.left}, {dx, box.right - a.x}, {-dy, a.y - box.bottom}, {dy, box.top - a.y}}};
    for (const auto& [p, q] : sides) {
        if (p == 0.0) {
            if (q < 0.0) return false;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

double CuspLabelSizes::height() const { return std::max({degreeDigit.height, sign.height, minuteDigit.height}); }

std::optional<CuspLabelCorners> cuspLabelBeside(double lineAngle, const CuspLabelSizes& sizes, double lineFactor,
                                                LabelSide side, double innerCircle) {
    const double w = sizes.width(), h = sizes.height();
    const WheelPoint lineFrom{120.0 * cosDeg(lineAngle), lineFactor * 120.0 * sinDeg(lineAngle)};
    const WheelPoint lineTo{kOuterCircle * cosDeg(lineAngle), lineFactor * kOuterCircle * sinDeg(lineAngle)};
    const auto boxAt = [&](double r, double angle) {
        const double cx = r * cosDeg(angle), cy = r * sinDeg(angle);
        return Box{cx - w / 2, cy + h / 2, cx + w / 2, cy - h / 2};
    };
    // The outermost box centred on `angle` that fits inside the outer circle, or with an
    // inner circle the innermost one that keeps off it.
    const auto placedAt = [&](double angle) -> std::optional<Box> {
        if (innerCircle > 0.0) {
            for (double r = innerCircle; r < kOuterCircle; r += 1.0) {
                const Box box = boxAt(r, angle);
                if (outsideCircle(box, innerCircle + kLabelClearance))
                    return insideCircle(box, kOuterCircle - kLabelClearance) ? std::optional(box) : std::nullopt;
            }
            return std::nullopt;
        }
        for (double r = kOuterCircle - kLabelClearance; r > 60.0; r -= 1.0) {
            const Box box = boxAt(r, angle);
            if (insideCircle(box, kOuterCircle - kLabelClearance)) return box;
        }
        return std::nullopt;
    };
    // Walk away from the line in half degrees until that box no longer touches it.
    const double direction = side == LabelSide::Before ? -1.0 : 1.0;
    for (double away = 0.5; away <= 45.0; away += 0.5) {
        const auto box = placedAt(lineAngle + direction * away);
        if (!box || segmentCrosses(*box, lineFrom, lineTo)) continue;
        const double dw = sizes.degreeDigit.width, sw = sizes.sign.width, mw = sizes.minuteDigit.width;
        const double x = box->left, y = box->top;
        return CuspLabelCorners{
            {{x, y}, {x + dw, y}, {x + 2 * dw, y}, {x + 2 * dw + sw, y}, {x + 2 * dw + sw + mw, y}}};
    }
    return std::nullopt;
}

bool labelIsFree(const CuspLabelCorners& corners, const CuspLabelSizes& sizes, std::span<const TakenCell> taken) {
    // The five characters stand at their own corners, which a table may space wider than
    // the characters are: the label covers the box around all five.
    const std::array<TextBox, 5> cells{sizes.degreeDigit, sizes.degreeDigit, sizes.sign, sizes.minuteDigit,
                                       sizes.minuteDigit};
    Box label{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        label.left = std::min(label.left, corners[i].x);
        label.right = std::max(label.right, corners[i].x + cells[i].width);
        label.top = std::max(label.top, corners[i].y);
        label.bottom = std::min(label.bottom, corners[i].y - cells[i].height);
    }
    return std::ranges::none_of(taken, [&](const TakenCell& c) {
        return label.left < c.topLeft.x + c.box.width && c.topLeft.x < label.right && label.bottom < c.topLeft.y &&
               c.topLeft.y - c.box.height < label.top;
    });
}

std::optional<CuspLabelCorners> tableLabelCorners(std::span<const std::int16_t> table, int label) {
    const auto first = static_cast<std::size_t>(10 * label - 10);
    if (label < 1 || label > 12 || first + 10 > table.size()) return std::nullopt;
    CuspLabelCorners corners;
    for (std::size_t i = 0; i < 5; ++i) corners[i] = {double(table[first + 2 * i]), double(table[first + 2 * i + 1])};
    return corners;
}

void appendCuspLabel(std::vector<WheelPrimitive>& out, double cuspLongitude, const CuspLabelCorners& corners,
                     const WheelStyle& style) {
    const ZodiacPosition z = zodiacPosition(cuspLongitude);
    const auto text = [&](std::size_t i, std::string s, int glyph, double size, int colour, bool bold) {
        out.push_back(TextShape{corners[i], std::move(s), glyph, size, colour, bold, TextAnchor::TopLeft});
    };
    text(0, std::to_string(z.degrees / 10), 0, style.cuspDegreeSize, style.cuspDegrees, true);
    text(1, std::to_string(z.degrees % 10), 0, style.cuspDegreeSize, style.cuspDegrees, true);
    text(2, "", kFirstSignGlyph + z.sign, style.cuspSignSize, style.cuspSign, false);
    text(3, std::to_string(z.minutes / 10), 0, style.cuspMinuteSize, style.cuspMinutes, false);
    text(4, std::to_string(z.minutes % 10), 0, style.cuspMinuteSize, style.cuspMinutes, false);
}

std::optional<int> interceptedSign(const CuspTable& cusp, int house) {
    const auto signOf = [](double longitude) { return static_cast<int>(normalize360(longitude) / 30.0) + 1; };
    const int first = signOf(cuspOfHouse(cusp, house));
    int next = signOf(cuspOfHouse(cusp, house % 12 + 1));
    if (next < first) next += 12;
    if (next - first != 2) return std::nullopt;
    return first + 1 > 12 ? first - 11 : first + 1;
}

void appendInterceptedSigns(std::vector<WheelPrimitive>& out, const CuspTable& cusp,
                            const std::array<double, 13>& houseLineAngle, bool equalSectors, const WheelStyle& style,
                            const WheelFrame& frame, TextBox glyph) {
    for (int house = 1; house <= 12; ++house) {
        const auto sign = interceptedSign(cusp, house);
        if (!sign) continue;
        double angle = equalSectorLineAngle(house) + 15.0;
        if (!equalSectors) {
            const auto lineOf = [&](int h) { return houseLineAngle[static_cast<std::size_t>(cuspEntryOfHouse(h))]; };
            const double from = lineOf(house);
            const double arc = normalize360(lineOf(house % 12 + 1) - from);
            angle = normalize360(from + arc / 2.0);
        }
        const bool leftHalf = angle > 90.0 && angle < 270.0;
        const double x = kInterceptedRadius * kInterceptedWidthFactor * cosDeg(angle);
        const double y = kInterceptedRadius * sinDeg(angle);
        const WheelPoint at{leftHalf ? pulledInside(x, frame.left + glyph.width, frame.right)
                                     : pulledInside(x, frame.left, frame.right - glyph.width),
                            pulledInside(y, frame.bottom + glyph.height, frame.top)};
        const TextAnchor anchor = leftHalf ? TextAnchor::TopRight : TextAnchor::TopLeft;
        out.push_back(
            TextShape{at, "", kFirstSignGlyph + *sign, style.cuspSignSize, style.interceptedSign, false, anchor});
    }
}

}  // namespace helion
