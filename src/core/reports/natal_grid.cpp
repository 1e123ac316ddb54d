#include "core/reports/natal_grid.h"

#include <array>
#include <cmath>

#include "core/aspects/classifier.h"
#include "core/reports/column_align.h"
#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"
#include "core/reports/pair_sections.h"
#include "core/reports/point_names.h"

namespace helion {
namespace {

// Columns from the Midheaven down to the Sun, so that the aspects fill the upper left.
constexpr std::array<Point, 12> kGridColumns{Point::Midheaven, Point::Ascendant, Point::Moon,    Point::Pluto,
                                             Point::Neptune,   Point::Uranus,    Point::Saturn,  Point::Jupiter,
                                             Point::Mars,      Point::Venus,     Point::Mercury, Point::Sun};
constexpr const char* kLineBreak = "\r\n";

// Whole degrees and the unrounded minutes formatted "00": minutes of 59.5 or more print
// as 60, the way the list has always shown them, with the degree not carried.
std::string degreesAndMinutes(double degrees, const char* degreePattern, std::string (*align)(const std::string&)) {
    const double whole = std::floor(degrees);
    return align(formatNumber(whole, degreePattern)) + "d " + formatNumber((degrees - whole) * 60.0, "00") + "m";
}

std::string aspectCell(Aspect aspect) { return alignThreePlaces(std::to_string(aspectAngle(aspect))) + "  "; }

std::string parallelCell(double declinationA, double declinationB, float orb) {
    const std::optional<ParallelFinding> parallel = findParallel(declinationA, declinationB, orb);
    if (!parallel) return "---  ";
    return parallel->contra ? " CP  " : " P   ";
}

}  // namespace

std::string aspectListLine(Point first, Point second, double separation, double distance) {
    return "  " + std::string(planetName(first)) + std::string(planetName(second)) + " " +
           degreesAndMinutes(separation, "##0", alignThreePlaces) + "       " +
           degreesAndMinutes(std::fabs(distance), "#0", alignSignedFourPlaces);
}

void appendNatalAspectGrid(ReportLines& lines, const ChartPositions& natal, const OptionValues& options) {
    const OrbSet orbs = options.reportOrbs();
    const bool minorAspects = options.minorAspects();
    const float parallelOrb = options.orb(Aspect::Parallel);

    std::string aspectList = std::string("  Planet    Planet    Separation   Degrees from exact") + kLineBreak;
    lines.emplace_back();
    lines.push_back(std::string(17, ' ') + "NATAL PLANET ASPECTS TO NATAL PLANETS");
    lines.emplace_back();
    lines.push_back(std::string(8, ' ') + "MC  Asc  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun");
    for (const Point row : kAspectBodies) {
        std::string line = "  " + pointNameInWidth(row, 3) + "  ";
        for (const Point column : kGridColumns) {
            if (column == row) {
                line += "***  ";
            } else if (row > column) {
                line += parallelCell(natal.declination[row], natal.declination[column], parallelOrb);
            } else {
                const double separation = separationOf(natal.longitude[row], natal.longitude[column]);
                const AspectFinding found = classifyWithOrbs(separation, orbs, minorAspects);
                if (!found.aspect) {
                    line += "---  ";
                } else {
                    line += aspectCell(*found.aspect);
                    aspectList += aspectListLine(row, column, separation, found.distance) + kLineBreak;
                }
            }
        }
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.push_back(std::move(aspectList));
}

}  // namespace helion
