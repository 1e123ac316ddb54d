#pragma once
// Fills a wheel's plain input from the computed chart tables and a wheel command's
// arrangement.

#include "core/chart/chart_tables.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/aspect_list.h"
#include "core/wheels/wheel_input.h"
#include "core/wheels/wheel_modes.h"

namespace helion {

// How the window (or printer) shows the wheel.
struct WheelView {
    ChartType chartType = ChartType::American;
    WheelTarget target = WheelTarget::Screen;
    WheelLayout layout = WheelLayout::Classic;
    bool monochrome = false;
    double textScale = 1.0;
    std::int16_t startScale = 287;
    int widthPixels = 1024;
    int heightPixels = 768;
    GlyphSizes glyphs;
};

// A chart's longitudes with the house of each point among `cusp`.
RingChart ringChartIn(const PointTable& longitude, const CuspTable& cusp);

const ChartPositions& chartSet(const ChartTables& charts, ChartSetId id);

// Every ring's points are placed in the houses of the arrangement's house chart. The
// input refers to `tables`, which must outlive it.
WheelInput wheelInputFor(const WheelArrangement& arrangement, const ChartTables& charts, const OptionValues& options,
                         const WheelDataTables& tables, const WheelView& view);

// The aspect list of the wheel shown: the chart that gives the houses against itself on a
// single wheel, against the other ring's chart on a dual wheel and against the middle ring
// on a triple wheel.
AspectListInput aspectListInputFor(const WheelArrangement& arrangement, const ChartTables& charts,
                                   const OrbTable& orbs);

}  // namespace helion
