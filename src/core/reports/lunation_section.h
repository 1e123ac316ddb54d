#pragma once
// The lunations section of the transits report: the thirteen new moons from 31 days
// before the diurnal date on, each with its aspects to the natal chart under one orb.

#include "core/aspects/classifier.h"
#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

inline constexpr int kLunationCount = 13;

// Conjunction, sextile, square, trine or opposition within the orb, bounds included;
// with overlapping orbs the later of sextile, square, trine, opposition, conjunction
// wins. The distance is rounded down to tenths after adding 0.05.
AspectFinding classifyLunationAspect(double separation, float orb);

// The heading, then each new moon's date and place and its aspect lines (or
// "No aspects"). A warning joins the report's messages when the search gives up.
void appendLunations(Report& report, const ChartTables& charts, float lunationOrb);

}  // namespace helion
