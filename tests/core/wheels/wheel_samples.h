#pragma once
// Made-up charts for the wheel tests and benchmarks: random charts with plausible house
// sizes and planet elongations, and a check of the glyph stack layout of a drawn wheel read
// from its display list and the stacks it records.

#include <array>
#include <random>
#include <vector>

#include "core/wheels/wheel_drawing.h"
#include "core/wheels/wheel_input.h"

namespace helion::test {

// Cusps (cusp table order) from an Ascendant and the arcs of houses 1..6; houses 7..12
// repeat them.
CuspTable cuspsFrom(double ascendant, const std::array<double, 6>& arcs);

CuspTable equalCusps(double ascendant);

// A wheel drawn with the shipped options and wheel tables on a 1024x768 screen.
WheelInput inputFor(WheelKind kind, ChartType type, const CuspTable& cusp, const PointTable& natal,
                    const PointTable& second = {}, const PointTable& third = {});

WheelInput randomInput(WheelKind kind, ChartType type, std::mt19937& random);

struct LayoutFaults {
    int drawnWrongly = 0;        // bodies not drawn, at their recorded stack, once per ring placing them
    int natalOutsideBand = 0;    // natal ring glyphs not starting inside their band
    int othersOutsideBand = 0;   // the same for the rings with fixed house radii
    int overlappingStacks = 0;   // pairs of glyph stacks of one ring that touch
    int labelsOverStacks = 0;    // pairs of a cusp label and a glyph stack that touch
    int outsideFrame = 0;        // primitives reaching past the frame
    int cellsOverCircles = 0;    // stack cells reaching over a circle of their ring
    int linesThroughStacks = 0;  // house lines running through a stack cell
    int ringsOutOfOrder = 0;     // rings whose stacks leave the zodiacal order
    std::array<std::vector<double>, 3> displacement;  // by ring: degrees between drawn and exact angle
};
LayoutFaults checkLayout(const WheelInput& input, const WheelDrawing& drawing);
LayoutFaults& operator+=(LayoutFaults& total, const LayoutFaults& more);

}  // namespace helion::test
