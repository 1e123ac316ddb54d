#pragma once
// The contents of the two wheel data tables, derived from the ring layout and the largest
// glyph cells of the start-up window sizes, so that the files can be rebuilt and checked.
//
// RADIUS.DAT: for each whole degree of glyph angle, the outermost radius at which a
// planet glyph drawn from its top-left corner still lies inside the outer circle.
// HCDATA.DAT: for each cusp of the equal-sector wheels, the corners of its label's five
// characters, just before the cusp line inside the outer circle.

#include <cstdint>
#include <string>
#include <vector>

#include "core/wheels/cusp_labels.h"
#include "core/wheels/wheel_input.h"

namespace helion {

std::vector<std::int16_t> designGlyphRadii(TextBox planetCell);

std::vector<std::int16_t> designCuspLabels(const CuspLabelSizes& sizes);

// The largest cells among the start-up window sizes, with the shipped options (the planet
// cell with its margins, as glyph stacks are placed).
struct DesignCells {
    TextBox planet;
    CuspLabelSizes label;
};
DesignCells largestStartupCells(const OptionValues& options);

// One value per line, CRLF line ends.
std::string integerTableText(const std::vector<std::int16_t>& values);

}  // namespace helion
