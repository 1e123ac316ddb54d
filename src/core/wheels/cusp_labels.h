#pragma once
// The labels of the twelve cusps (degrees, sign and minutes of each cusp) and the glyphs
// of signs intercepted in a house.

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/wheels/display_list.h"
#include "core/wheels/wheel_input.h"
#include "core/wheels/wheel_style.h"

namespace helion {

// Top-left corners of a label's five characters: degree tens and units, sign, minute
// tens and units.
using CuspLabelCorners = std::array<WheelPoint, 5>;

// The sizes of a cusp label's characters, in wheel units.
struct CuspLabelSizes {
    TextBox degreeDigit;
    TextBox sign;
    TextBox minuteDigit;
    double width() const { return 2 * degreeDigit.width + sign.width + 2 * minuteDigit.width; }
    double height() const;
};

// Which side of its cusp line a label stands on: before it (clockwise, in the house the
// cusp closes) or past it (in the house it opens).
enum class LabelSide { Before, Past };

// Where a label goes for a cusp line drawn at `lineAngle`: inside the outer circle, beside
// the line on `side`, as far out as the circle allows without crossing the line; given an
// `innerCircle`, as far in as that circle allows instead, below the glyph stacks that hang
// from the outer circle. Before the line and outermost is the first choice: the house the
// cusp opens is where the Ascendant and Midheaven glyphs always stand, right past their
// lines. Nothing when no such place lies within 45 degrees of the line.
std::optional<CuspLabelCorners> cuspLabelBeside(double lineAngle, const CuspLabelSizes& sizes, double lineFactor,
                                                LabelSide side = LabelSide::Before, double innerCircle = 0.0);

// A cell a glyph stack occupies: its top-left corner and size.
struct TakenCell {
    WheelPoint topLeft;
    TextBox box;
};

// Whether a label at `corners` touches none of `taken`.
bool labelIsFree(const CuspLabelCorners& corners, const CuspLabelSizes& sizes, std::span<const TakenCell> taken);

// The corners of label i (1..12) in a cusp label table of ten entries per label.
std::optional<CuspLabelCorners> tableLabelCorners(std::span<const std::int16_t> table, int label);

void appendCuspLabel(std::vector<WheelPrimitive>& out, double cuspLongitude, const CuspLabelCorners& corners,
                     const WheelStyle& style);

// The sign intercepted in house h (1..12), if the house holds a whole sign without its cusp.
std::optional<int> interceptedSign(const CuspTable& cusp, int house);

// Intercepted signs outside the outer circle at the middle angle of their house;
// `houseLineAngle(k)` gives the angle of cusp line k (cusp table order). Near the top and
// bottom of the wheel that point lies past the edge of a landscape frame, so a glyph
// (`glyph` is its cell) is pulled back until its whole cell is inside `frame`.
void appendInterceptedSigns(std::vector<WheelPrimitive>& out, const CuspTable& cusp,
                            const std::array<double, 13>& houseLineAngle, bool equalSectors, const WheelStyle& style,
                            const WheelFrame& frame, TextBox glyph);

}  // namespace helion
