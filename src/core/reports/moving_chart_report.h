#pragma once
// The shape the progression and transit reports share: the chart heading, the moving
// chart's title and positions, then its aspects and parallels to each chart it is
// compared with.

#include <initializer_list>
#include <string>

#include "core/chart/chart_tables.h"
#include "core/reports/pair_sections.h"
#include "core/reports/report.h"

namespace helion {

struct MovingChart {
    const ChartPositions& positions;
    std::string title;             // the whole title line
    bool withHouses = false;       // a second person's table shows the natal houses
    ReportLines afterPositions{};  // lines that follow the positions table
};

struct ChartComparison {
    const ChartPositions& fixed;
    CrossSectionHeadings headings;
    bool emptyLineBefore = true;
};

Report movingChartReport(const ChartTables& charts, const MovingChart& moving,
                         std::initializer_list<ChartComparison> comparisons, float parallelOrb);

}  // namespace helion
