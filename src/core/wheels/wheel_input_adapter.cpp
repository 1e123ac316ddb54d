#include "core/wheels/wheel_input_adapter.h"

#include "core/astro/houses.h"
#include "core/wheels/wheel_options.h"

namespace helion {
RingChart ringChartIn(const PointTable& longitude, const CuspTable& cusp) {
    RingChart chart;
    chart.longitude = longitude;
    chart.house = placeInHouses(longitude, cusp);
    return chart;
}

const ChartPositions& chartSet(const ChartTables& charts, ChartSetId id) {
    switch (id) {
        case ChartSetId::Diurnal: return charts.diurnal;
        case ChartSetId::Progressed: return charts.progressed;
        case ChartSetId::MinorProgressed: return charts.minorProgressed;
        case ChartSetId::Natal: break;
    }
    return charts.natal;
}

WheelInput wheelInputFor(const WheelArrangement& arrangement, const ChartTables& charts, const OptionValues& options,
                         const WheelDataTables& tables, const WheelView& view) {
    WheelInput in;
    in.kind = arrangement.kind;
    in.chartType = view.chartType;
    in.target = view.target;
    in.layout = view.layout;
    in.monochrome = view.monochrome;
    in.textScale = view.textScale;
    in.cusp = chartSet(charts, arrangement.houseChart).cusp;
    in.houseSystem = charts.houseSystem;
    in.natal = ringChartIn(chartSet(charts, arrangement.natalRing).longitude, in.cusp);
    if (arrangement.secondRing) in.second = ringChartIn(chartSet(charts, *arrangement.secondRing).longitude, in.cusp);
    if (arrangement.thirdRing) in.third = ringChartIn(chartSet(charts, *arrangement.thirdRing).longitude, in.cusp);
    in.titles = arrangement.titles;
    in.options = wheelOptionsInRange(options);
    in.startScale = view.startScale;
    in.widthPixels = view.widthPixels;
    in.heightPixels = view.heightPixels;
    in.cuspLabelTable = tables.cuspLabels;
    in.glyphRadiusTable = tables.glyphRadii;
    in.glyphs = view.glyphs;
    return in;
}

AspectListInput aspectListInputFor(const WheelArrangement& arrangement, const ChartTables& charts,
                                   const OrbTable& orbs) {
    const ChartSetId first = arrangement.houseChart;
    ChartSetId second = first;
    if (arrangement.secondRing) {
        second = arrangement.natalRing == first ? *arrangement.secondRing : arrangement.natalRing;
    }
    const auto listed = [&](ChartSetId id) {
        const ChartPositions& p = chartSet(charts, id);
        return AspectListChart{p.longitude, p.declination};
    };
    return {listed(first), listed(second), arrangement.kind == WheelKind::Single, orbs};
}

}  // namespace helion
