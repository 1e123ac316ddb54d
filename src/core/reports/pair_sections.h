#pragma once
// The pair loops of the progression and transit reports: the fixed-orb aspect lines and
// the parallel lines between the bodies of two charts, or within one chart.

#include <array>
#include <string_view>

#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

// The bodies that take part in aspects and parallels: Sun .. Moon, Ascendant, Midheaven
// (never the nodes nor the Part of Fortune), in index order.
inline constexpr std::array<Point, 12> kAspectBodies{
    Point::Sun,    Point::Mercury, Point::Venus, Point::Mars, Point::Jupiter,   Point::Saturn,
    Point::Uranus, Point::Neptune, Point::Pluto, Point::Moon, Point::Ascendant, Point::Midheaven};

// A heading indented by `indent` blanks, then an empty line.
void appendSectionHeading(ReportLines& lines, int indent, std::string_view heading);

// The aspect section, then the parallel section, of a moving chart's bodies to a fixed
// chart's, every ordered pair with the moving body first (a body with its own place in
// the other chart included): each under its indented heading and closed by an empty line.
struct CrossSectionHeadings {
    int aspectIndent;
    std::string_view aspects;
    int parallelIndent;
    std::string_view parallels;
};
void appendCrossSections(ReportLines& lines, const CrossSectionHeadings& headings, const ChartPositions& moving,
                         const ChartPositions& fixed, float parallelOrb);

// Every unordered pair of one chart once, the body of lower index first.
void appendWithinAspects(ReportLines& lines, const PointTable& longitude);
void appendWithinParallels(ReportLines& lines, const PointTable& declination, float parallelOrb);

}  // namespace helion
