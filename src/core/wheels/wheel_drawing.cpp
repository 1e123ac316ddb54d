#include "core/wheels/wheel_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <span>
#include <vector>

#include "core/astro/angles.h"
#include "core/wheels/aspect_lines.h"
#include "core/wheels/cusp_labels.h"
#include "core/wheels/european_angles.h"
#include "core/wheels/glyph_stack.h"
#include "core/wheels/ring_layout.h"
#include "core/wheels/spread_layout.h"
#include "core/wheels/wheel_scale.h"
#include "core/wheels/wheel_style.h"

namespace helion {
namespace {

struct HouseNumber {
    const char* text;
    WheelPoint at;
};

// Top-left corners in the band between radius 40 and 62; two-digit numbers are set digit
// by digit so they stay narrow.
constexpr std::array<HouseNumber, 15> kHouseNumbers{{
    {"1", {-52, -6}},
    {"2", {-40, -30}},
    {"3", {-16, -44}},
    {"4", {10, -44}},
    {"5", {32, -30}},
    {"6", {46, -6}},
    {"7", {46, 18}},
    {"8", {32, 40}},
    {"9", {10, 52}},
    {"1", {-20, 52}},
    {"0", {-12, 52}},
    {"1", {-44, 40}},
    {"1", {-36, 40}},
    {"1", {-56, 18}},
    {"2", {-48, 18}},
}};

bool isEuropean(const WheelInput& in) { return in.kind == WheelKind::Single && in.chartType == ChartType::European; }

double europeanDescendant(const WheelInput& in) {
    return europeanDescendant(in.cusp, in.houseSystem, in.natal.longitude[Point::Ascendant]);
}

// Angle of each cusp line (cusp table order): equal sectors, or the true cusps with the
// Ascendant to the left.
std::array<double, 13> houseLineAngles(const WheelInput& in) {
    std::array<double, 13> angle{};
    for (int entry = 1; entry <= 12; ++entry) {
        angle[static_cast<std::size_t>(entry)] =
            isEuropean(in) ? europeanAngle(in.cusp[static_cast<std::size_t>(entry)], europeanDescendant(in))
                           : equalSectorLineAngle(houseOfCuspEntry(entry));
    }
    return angle;
}

// Whole Sign cusps lie on sign boundaries, so the horizon is no cusp line there; the
// European wheel draws it as well, the Ascendant to the left.
std::vector<double> houseLineAnglesWithHorizon(const WheelInput& in, const std::array<double, 13>& cuspLines) {
    std::vector<double> angles(cuspLines.begin() + 1, cuspLines.end());
    if (isEuropean(in) && in.houseSystem == HouseSystem::WholeSign) {
        angles.push_back(180.0);
        angles.push_back(0.0);
    }
    return angles;
}

void appendRings(std::vector<WheelPrimitive>& out, const WheelInput& in, const WheelStyle& style,
                 const std::array<double, 13>& lineAngle) {
    for (double radius : wheelCircles(in.kind)) out.emplace_back(CircleShape{radius, style.circles});
    if (in.kind != WheelKind::Single) out.emplace_back(DiscShape{kHouseNumberInner, style.background});
    const double from = houseLineStart(in.kind);
    for (const double a : houseLineAnglesWithHorizon(in, lineAngle)) {
        const double c = cosDeg(a), s = style.houseLineFactor * sinDeg(a);
        out.push_back(LineShape{{from * c, from * s}, {kOuterCircle * c, kOuterCircle * s}, style.houseLines});
    }
}

// The places a covered cusp label tries in turn: past its line at the outer circle, then
// on either side further in, from the inner edge of the natal band outward, and then the
// same through the bands of the inner rings.
std::vector<std::pair<LabelSide, double>> labelAlternatives(WheelKind kind) {
    const auto layouts = ringLayouts(kind);
    std::vector<std::pair<LabelSide, double>> places{{LabelSide::Past, 0.0}};
    const auto fromInnerEdge = [&](double inner, double outer) {
        for (; inner < outer; inner += 8.0) {
            for (LabelSide side : {LabelSide::Before, LabelSide::Past}) places.emplace_back(side, inner);
        }
    };
    fromInnerEdge(layouts.front().innerRadius, kOuterCircle - 20.0);
    const double innermost = std::ranges::min(layouts, {}, &RingLayout::innerRadius).innerRadius;
    fromInnerEdge(innermost, layouts.front().innerRadius - 8.0);
    return places;
}

// A label stands where its table or line puts it, or, when a glyph stack of any ring is in
// the way there, at the first free one of its alternatives (the inner rings' glyphs reach
// into the natal band where they start near its circle).
void appendCuspArea(std::vector<WheelPrimitive>& out, const WheelInput& in, const WheelStyle& style,
                    const std::array<double, 13>& lineAngle, const WheelFrame& frame,
                    std::span<const TakenCell> stackCells) {
    if (in.kind != WheelKind::Single && style.houseNumbers) {
        for (const HouseNumber& n : kHouseNumbers) {
            out.push_back(
                TextShape{n.at, n.text, 0, style.cuspDegreeSize, style.cuspDegrees, false, TextAnchor::TopLeft});
        }
    }
    const CuspLabelSizes labelSizes{in.glyphs.cuspDigit, in.glyphs.cuspSign, in.glyphs.cuspMinuteDigit};
    const auto isFree = [&](const CuspLabelCorners& corners) { return labelIsFree(corners, labelSizes, stackCells); };
    const auto alternatives = labelAlternatives(in.kind);
    for (int entry = 1; entry <= 12; ++entry) {
        const double angle = lineAngle[static_cast<std::size_t>(entry)];
        const auto first = isEuropean(in) ? cuspLabelBeside(angle, labelSizes, style.houseLineFactor)
                                          : tableLabelCorners(in.cuspLabelTable, entry);
        if (!first) continue;
        CuspLabelCorners chosen = *first;
        for (std::size_t next = 0; !isFree(chosen) && next < alternatives.size(); ++next) {
            const auto& [side, inner] = alternatives[next];
            const auto place = cuspLabelBeside(angle, labelSizes, style.houseLineFactor, side, inner);
            if (place && isFree(*place)) chosen = *place;
        }
        appendCuspLabel(out, in.cusp[static_cast<std::size_t>(entry)], chosen, style);
    }
    appendInterceptedSigns(out, in.cusp, lineAngle, !isEuropean(in), style, frame, in.glyphs.cuspSign);
}

// Where a longitude in house h lies on the wheel: on the European wheel its own angle, on
// the American one the same share of the house's equal sector as of the house's arc.
double exactAngle(double longitude, int house, const WheelInput& in, const std::array<double, 13>& lineAngle) {
    if (isEuropean(in)) return europeanAngle(longitude, europeanDescendant(in));
    if (house < 1 || house > 12) return 0.0;
    return exactSectorAngle(longitude, cuspOfHouse(in.cusp, house), houseArc(in.cusp, house),
                            lineAngle[static_cast<std::size_t>(cuspEntryOfHouse(house))], 30.0);
}

// Gives the ring's drawn bodies their spread angles and start radii.
std::vector<SpreadStack> spreadBodies(RingPlacement& bodies, const RingChart& chart, const WheelInput& in,
                                      const RingLayout& layout, double lineFactor,
                                      const std::array<double, 13>& lineAngle, const StackCells& cellsOf) {
    SpreadRing ring{layout.innerRadius, layout.outerRadius, {}};
    for (int house = 1; house <= 12; ++house) {
        const double a = lineAngle[static_cast<std::size_t>(cuspEntryOfHouse(house))];
        ring.houseLine[static_cast<std::size_t>(house)] =
            normalize360(radToDeg(std::atan2(lineFactor * sinDeg(a), cosDeg(a))));
    }
    std::vector<SpreadBody> toPlace;
    for (const PlacedBody& body : bodies) {
        if (!body.drawn) continue;
        const double longitude = chart.longitude[body.point];
        toPlace.push_back({body.point, body.house, exactAngle(longitude, body.house, in, lineAngle)});
    }
    std::vector<SpreadStack> spread = spreadRing(toPlace, ring, cellsOf);
    for (const SpreadStack& stack : spread) {
        PlacedBody& body = bodies[stack.point];
        body.angle = stack.angle;
        body.radius = stack.radius;
    }
    return spread;
}

const RingChart& chartOfRing(const WheelInput& in, int ringNumber) {
    if (ringNumber == ring::Natal) return in.natal;
    if (ringNumber == ring::Middle || in.kind == WheelKind::Dual) return in.second;
    return in.third;
}

void appendTitles(std::vector<WheelPrimitive>& out, const WheelInput& in, const WheelStyle& style,
                  const WheelFrame& f) {
    const double line = in.glyphs.titleLine;
    const double x = f.left + style.titleLeftInset;
    const auto block = [&](const std::array<std::string, 7>& lines, double top) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            out.push_back(TextShape{
                {x, top - line * double(i)}, lines[i], 0, style.titleSize, style.titles, false, TextAnchor::TopLeft});
        }
    };
    block(in.titles.natal, f.top);
    const bool screen = in.target == WheelTarget::Screen;
    if (!screen && in.options.printedSiderealTitle()) {
        out.push_back(
            TextShape{{x, f.top - line * 7}, "Sidereal", 0, style.titleSize, style.titles, false, TextAnchor::TopLeft});
    }
    const double diurnalTop =
        screen ? f.bottom + 8 * line : f.top - ((f.top - f.bottom) / 2 + in.options.printedLowerTitleLines() * line);
    block(in.titles.diurnal, diurnalTop);
}

}  // namespace

WheelDrawing buildWheel(const WheelInput& in) {
    WheelDrawing d;
    d.kind = in.kind;
    d.chartType = isEuropean(in) ? ChartType::European : ChartType::American;
    d.layout = in.layout;
    const bool screen = in.target == WheelTarget::Screen;
    d.scale = screen ? in.startScale : printedStartScale(in.kind, in.chartType);
    d.frame = screen ? screenFrame(d.scale, in.widthPixels, in.heightPixels)
                     : printerFrame(d.scale, in.widthPixels, in.heightPixels);
    const WheelStyle style = withTextScaled(wheelStyle(in.options, in.target, in.kind, in.monochrome), in.textScale);
    d.background = style.background;

    const auto lineAngle = houseLineAngles(in);
    appendRings(d.primitives, in, style, lineAngle);
    std::vector<WheelPrimitive> stackShapes;
    std::vector<TakenCell> stackCells;

    const bool narrowNormalRange = in.options.narrowNormalRange();
    std::vector<WheelPrimitive> pointers;
    for (const RingLayout& layout : ringLayouts(in.kind)) {
        const RingChart& chart = chartOfRing(in, layout.ring);
        const StackCells cellsOf = [&](const PlacedBody& body) {
            return glyphStack(body, chart.longitude[body.point],
                              isReversedStack(body, isEuropean(in), narrowNormalRange), in.kind != WheelKind::Triple,
                              style, in.glyphs);
        };
        RingDrawing ringDrawing{layout.ring, placeRing(chart, in.cusp, layout, in.glyphRadiusTable)};
        std::vector<SpreadStack> spread;
        if (in.layout == WheelLayout::Spread) {
            spread = spreadBodies(ringDrawing.bodies, chart, in, layout, style.houseLineFactor, lineAngle, cellsOf);
        } else if (isEuropean(in)) {
            const auto radii = in.glyphRadiusTable;
            const double innermost =
                radii.empty() ? *std::ranges::min_element(layout.startRadius) : *std::ranges::min_element(radii);
            const TextBox planetCell{in.glyphs.planet.width + style.planetWidthMargin,
                                     in.glyphs.planet.height + style.planetHeightMargin};
            applyEuropeanAngles(ringDrawing.bodies, chart, in.cusp, europeanDescendant(in),
                                europeanSpacing(layout.spacing, planetCell, innermost), radii, layout);
        }
        for (const PlacedBody& body : ringDrawing.bodies) {
            if (!body.drawn) continue;
            const double longitude = chart.longitude[body.point];
            StackEntry entry;
            entry.ring = layout.ring;
            entry.point = body.point;
            entry.longitude = longitude;
            entry.exactAngle = exactAngle(longitude, body.house, in, lineAngle);
            entry.angle = body.angle;
            const auto spreadStack = std::ranges::find(spread, body.point, &SpreadStack::point);
            const std::vector<StackCell> cells = cellsOf(body);
            if (spreadStack != spread.end()) {
                entry.row = spreadStack->row;
                entry.squeezed = spreadStack->leftHouses;
                appendPointer(pointers, *spreadStack, layout.innerRadius, cells, style.houseLines);
            }
            for (const StackCell& cell : cells) {
                stackCells.push_back({cell.shape.at, cell.box});
                stackShapes.push_back(cell.shape);
                entry.cells.push_back({cell.shape.at.x, cell.shape.at.y - cell.box.height,
                                       cell.shape.at.x + cell.box.width, cell.shape.at.y});
            }
            entry.box = entry.cells.front();
            for (const WheelBox& b : entry.cells) {
                entry.box = {std::min(entry.box.left, b.left), std::min(entry.box.bottom, b.bottom),
                             std::max(entry.box.right, b.right), std::max(entry.box.top, b.top)};
            }
            d.stacks.push_back(std::move(entry));
        }
        d.rings.push_back(std::move(ringDrawing));
    }
    appendCuspArea(d.primitives, in, style, lineAngle, d.frame, stackCells);
    std::ranges::move(pointers, std::back_inserter(d.primitives));
    std::ranges::move(stackShapes, std::back_inserter(d.primitives));
    if (in.kind == WheelKind::Single && in.options.singleWheelAspectLines()) {
        // Spread stacks may stand beside their bodies; the chords join the exact places.
        RingPlacement ends = d.rings.front().bodies;
        for (const StackEntry& s : d.stacks) {
            if (in.layout == WheelLayout::Spread) ends[s.point].angle = s.exactAngle;
        }
        const std::size_t first = d.primitives.size();
        const auto pairs = appendAspectLines(d.primitives, ends, in.natal, in.options, style);
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            d.aspectLines.push_back({first + 2 * k, pairs[k].first, pairs[k].second});
        }
    }
    appendTitles(d.primitives, in, style, d.frame);
    return d;
}

}  // namespace helion

namespace helion {

const StackEntry* stackAt(const WheelDrawing& drawing, WheelPoint at) {
    for (const StackEntry& stack : drawing.stacks) {
        for (const WheelBox& c : stack.cells) {
            if (at.x >= c.left && at.x <= c.right && at.y >= c.bottom && at.y <= c.top) return &stack;
        }
    }
    return nullptr;
}

void dimAspectLinesExcept(WheelDrawing& drawing, Point point, int dimColour) {
    for (const AspectLineEntry& line : drawing.aspectLines) {
        if (line.first == point || line.second == point) continue;
        for (std::size_t k = line.primitive; k < line.primitive + 2 && k < drawing.primitives.size(); ++k) {
            std::visit([&](auto& shape) { shape.colour = dimColour; }, drawing.primitives[k]);
        }
    }
}

}  // namespace helion
