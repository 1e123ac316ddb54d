#include <gtest/gtest.h>

#include <algorithm>

#include "core/aspects/aspect_kinds.h"
#include "core/reports/data_window_report.h"
#include "core/reports/progression_report.h"

namespace helion {
namespace {

ChartTables sampleCharts() {
    ChartTables charts;
    charts.chartName = "Test";
    ChartInput& natal = charts.natalInput;
    natal.day = 7, natal.month = 3, natal.year = 1952, natal.time = 10.3f, natal.zone = 5;
    charts.diurnalInput.day = 6, charts.diurnalInput.month = 12, charts.diurnalInput.year = 2026;
    charts.diurnalMoment.t = 1.27;
    charts.natal.longitude[Point::Sun] = 350.0;
    charts.natal.longitude[Point::Midheaven] = 350.0;
    charts.progressed.longitude[Point::Sun] = 5.0;
    charts.progressed.longitude[Point::Midheaven] = 5.0;
    return charts;
}

OptionValues options() {
    OptionValues values;
    values.value[orbEntry(Aspect::Parallel)] = 1.0f;
    values.value[option::LunationOrb] = 2.0f;
    return values;
}

bool contains(const ReportLines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ProgressionsReport, MeasuresTravelAndSolarArcAcrossZeroAries) {
    const ChartTables charts = sampleCharts();
    EXPECT_FLOAT_EQ(solarArc(charts.progressed, charts.natal), 15.0f);
    const ReportLines lines = majorProgressionsReport(charts, options()).lines;
    EXPECT_TRUE(contains(lines, "  PROGRESSED POSITIONS -  Solar constant is 15 degrees, 00 minutes "));
    EXPECT_TRUE(contains(lines, "  Progressed  MC has traveled 15.00 degrees."));
    // Cross loops pair a body with its own natal place: progressed Sun to natal Sun.
    EXPECT_TRUE(contains(lines, "  PLUTO         Conjunct        PLUTO          0.0 degrees"));
}

TEST(DataWindowReport, OptionTwoElevenEmptiesTheFullListAfterTheNatalReport) {
    for (const float clear : {0.0f, 1.0f}) {
        OptionValues values = options();
        values.value[option::ClearAfterNatalReport] = clear;
        DataBuffer buffer;
        const std::optional<std::string> text = presentComputedChart(buffer, sampleCharts(), values);
        ASSERT_TRUE(text.has_value());
        EXPECT_TRUE(text->starts_with("\r\n  Test\r\n  07 Mar 1952    TZ = 5.0      10.30 A.M."));
        EXPECT_TRUE(text->ends_with("\r\n\r\n\r\n"));  // Show report's empty line and the spare element
        EXPECT_EQ(buffer.fullList().empty(), clear != 0.0f);
        EXPECT_FALSE(buffer.displayList().empty());
        EXPECT_TRUE(buffer.takeMessages().empty());
    }
}

}  // namespace
}  // namespace helion
