#pragma once
// The "Beacon Society Aspects" of the natal report: aspects whose orbs grow with the
// strength of the houses the two bodies stand in (angular widest, cadent narrowest) and
// with the luminaries, and parallels within one degree.

#include <array>

#include "core/aspects/classifier.h"
#include "core/aspects/house_orbs.h"
#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

// Five orb groups: g1 semi-sextile and quincunx, g2 semi-square and sesquisquare,
// g3 sextile, g4 square and trine, g5 conjunction and opposition.
using BeaconOrbs = GroupOrbs;

// The orbs of a body by its natal house. The Ascendant and Midheaven count as angular
// non-luminaries; a body without a readable house gets the narrow cadent orbs.
BeaconOrbs beaconOrbs(const ChartPositions& natal, Point point);

// The first aspect whose open orb range holds the separation (0..180), tested
// conjunction, semi-sextile, semi-square, sextile, square, trine (up to 130 degrees),
// sesquisquare (beyond 130), quincunx, opposition. The distance is not rounded.
AspectFinding classifyBeaconAspect(double separation, const BeaconOrbs& orbs);

// The heading, then for every body the aspect and parallel lines to every other body
// (each pair appears under both of its bodies) and an empty line.
void appendBeaconSocietyAspects(ReportLines& lines, const ChartPositions& natal);

}  // namespace helion
