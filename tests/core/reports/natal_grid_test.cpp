#include "core/reports/natal_grid.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(AspectListLine, MinutesOfFiftyNinePointFiveOrMorePrintSixtyWithoutCarry) {
    EXPECT_EQ(aspectListLine(Point::Saturn, Point::Neptune, 11.9999, 11.9999),
              "  SATURN    NEPTUNE     11d 60m         11d 60m");
    EXPECT_EQ(aspectListLine(Point::Saturn, Point::Neptune, 11.99, -0.99),
              "  SATURN    NEPTUNE     11d 59m          0d 59m");
}

TEST(NatalAspectGrid, OnlyOptionValueOneSwitchesTheMinorAspectsOn) {
    // Sun at 0 and Mercury 72 degrees on (a quintile); the other bodies together at 20.
    ChartPositions chart;
    chart.longitude.fill(20.0);
    chart.declination.fill(20.0);
    chart.longitude[Point::Sun] = chart.declination[Point::Sun] = 0.0;
    chart.longitude[Point::Mercury] = 72.0;
    OptionValues options;
    const float orbs[] = {8, 6, 7, 8, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2};
    for (int entry = 1; entry <= 15; ++entry) options.value[static_cast<std::size_t>(entry)] = orbs[entry - 1];
    for (const float minor : {0.0f, 1.0f, 2.0f}) {
        options.value[option::MinorAspects] = minor;
        ReportLines lines;
        appendNatalAspectGrid(lines, chart, options);
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_TRUE(lines[4].ends_with(minor == 1.0f ? "   72  ***  " : "  ---  ***  ")) << minor << lines[4];
        EXPECT_EQ(lines[17].find("MERCURY") != std::string::npos, minor == 1.0f) << minor;
    }
}

}  // namespace
}  // namespace helion
