#pragma once
// The wheel's aspect list: every aspect and parallel between the bodies of one chart, or
// between a natal body and a body of a second chart, as lines of three glyphs.

#include <vector>

#include "core/config/orb_file.h"
#include "core/chart/chart_tables.h"

namespace helion {

struct AspectListChart {
    PointTable longitude{};
    PointTable declination{};
};

struct AspectListInput {
    AspectListChart natal;
    AspectListChart second;  // the natal chart again for the single wheel
    bool singleChart = true;  // pairs row by row (by first body), otherwise by second body
    OrbTable orbs;
};

// One line: "  " first glyph, blank, aspect glyph, blank, second glyph. All three codes
// are 0 on an empty line.
struct AspectListLine {
    int firstGlyph = 0;
    int aspectGlyph = 0;
    int secondGlyph = 0;
    friend bool operator==(const AspectListLine&, const AspectListLine&) = default;
};

// An empty line, the aspects, an empty line, the parallels. The nodes and the Part of
// Fortune are never listed.
std::vector<AspectListLine> aspectList(const AspectListInput& input);

}  // namespace helion
