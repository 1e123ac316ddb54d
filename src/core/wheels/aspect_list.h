#pragma once
// The wheel's aspect list: every aspect and parallel between the bodies of one chart, or
// between a natal body and a body of a second chart, as lines of three glyphs.

#include <array>
#include <optional>
#include <vector>

#include "core/chart/chart_tables.h"
#include "core/config/orb_file.h"

namespace helion {

// The bodies listed, in order: Sun and Moon first, then the planets, the Ascendant and the
// Midheaven. The nodes and the Part of Fortune are never listed.
inline constexpr std::array<Point, 12> kListedBodies{
    Point::Sun,    Point::Moon,   Point::Mercury, Point::Venus, Point::Mars,      Point::Jupiter,
    Point::Saturn, Point::Uranus, Point::Neptune, Point::Pluto, Point::Ascendant, Point::Midheaven};

struct AspectListChart {
    PointTable longitude{};
    PointTable declination{};
};

struct AspectListInput {
    AspectListChart natal;
    AspectListChart second;   // the natal chart again for the single wheel
    bool singleChart = true;  // pairs row by row (by first body), otherwise by second body
    OrbTable orbs;
};

// One line: "  " first glyph, blank, aspect glyph, blank, second glyph. All three glyphs
// are 0 on an empty line.
struct AspectListLine {
    int firstGlyph = 0;
    int aspectGlyph = 0;
    int secondGlyph = 0;
    friend bool operator==(const AspectListLine&, const AspectListLine&) = default;
};

// The aspect (conjunction to quincunx, the conjunction tested last) between two bodies
// with the orb table's orbs, or nothing.
std::optional<Aspect> wheelAspectBetween(const AspectListChart& first, Point firstBody, const AspectListChart& second,
                                         Point secondBody, const OrbTable& orbs);

// An empty line, the aspects, an empty line, the parallels. The nodes and the Part of
// Fortune are never listed.
std::vector<AspectListLine> aspectList(const AspectListInput& input);

}  // namespace helion
