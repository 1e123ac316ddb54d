#pragma once
// Made-up charts for the wheel tests and benchmarks: random charts with plausible house
// sizes and planet elongations, and a check of the glyph stack layout of a drawn wheel.

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
    int outsideBand = 0;         // stacks starting outside their band (spread layout: any cell past it)
    int overlappingStacks = 0;   // pairs of glyph stacks of one ring that touch
    int labelsOverStacks = 0;    // glyph stacks touching a cusp label
    int linesThroughStacks = 0;  // house lines running through a stack cell
    int ringsOutOfOrder = 0;     // rings whose stacks leave the zodiacal order
    std::array<std::vector<double>, 3> displacement;  // by ring: degrees between drawn and exact angle
};

// Adds the faults of `drawing` to `faults`.
void checkLayout(const WheelInput& input, const WheelDrawing& drawing, LayoutFaults& faults);

}  // namespace helion::test
