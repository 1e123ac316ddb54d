#include "core/reports/natal_grid.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(AspectListLine, AlignsSeparationAndUnsignedDistance) {
    EXPECT_EQ(aspectListLine(1, 14, 89.0833, -0.9167), "  SUN       ASC         89d 05m          0d 55m");
    EXPECT_EQ(aspectListLine(3, 9, 179.2667, -0.7333), "  VENUS     PLUTO      179d 16m          0d 44m");
    EXPECT_EQ(aspectListLine(6, 8, 7.75, 7.75), "  SATURN    NEPTUNE      7d 45m          7d 45m");
    // Minutes of 59.5 or more print as 60; the degree is not carried.
    EXPECT_EQ(aspectListLine(6, 8, 11.9999, 11.9999), "  SATURN    NEPTUNE     11d 60m         11d 60m");
    EXPECT_EQ(aspectListLine(6, 8, 11.99, -0.99), "  SATURN    NEPTUNE     11d 59m          0d 59m");
}

// Sun at 0, Mercury 72 degrees on (a quintile), Venus 5 degrees behind the Sun; the other
// bodies together at 20 degrees, in aspect with none of these three.
ChartPositions quintileChart() {
    ChartPositions chart;
    const double longitudes[] = {0, 0, 72, 355, 20, 20, 20, 20, 20, 20, 20, 0, 0, 0, 20, 20};
    const double declinations[] = {0, 0, 10, -10.5, 20, 20, 20, 20, 20, 20, 20, 0, 0, 0, 20, 20};
    for (std::size_t p = 0; p < 16; ++p) {
        chart.longitude[p] = longitudes[p];
        chart.declination[p] = declinations[p];
    }
    return chart;
}

OptionValues reportOrbs(float minorAspects) {
    OptionValues options;
    const float orbs[] = {8, 6, 7, 8, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2, minorAspects};
    for (int entry = 1; entry <= 16; ++entry) options.value[static_cast<std::size_t>(entry)] = orbs[entry - 1];
    return options;
}

TEST(NatalAspectGrid, ShowsTheMinorAspectsOnlyWhenSwitchedOn) {
    for (const float minor : {0.0f, 1.0f, 2.0f}) {
        ReportLines lines;
        appendNatalAspectGrid(lines, quintileChart(), reportOrbs(minor));
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_EQ(lines[3], "        MC  Asc  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun");
        const std::string expectedSun = minor == 1.0f ? "  SUN  ---  ---  ---  ---  ---  ---  ---  ---  ---    0   72  ***  "
                                                      : "  SUN  ---  ---  ---  ---  ---  ---  ---  ---  ---    0  ---  ***  ";
        EXPECT_EQ(lines[4], expectedSun) << minor;
        // Below the diagonal: Venus 10.5 S against Mercury 10 N, a contraparallel within
        // the orb of 1, and against the Sun on the equator, none.
        EXPECT_EQ(lines[6], "  VEN  ---  ---  ---  ---  ---  ---  ---  ---  ---  ***   CP  ---  ") << minor;
        EXPECT_EQ(lines[16], "");
        // The list follows the grid's order: Venus's column comes before Mercury's.
        const std::string expectedList = std::string("  Planet    Planet    Separation   Degrees from exact\r\n") +
                                         "  SUN       VENUS        5d 00m          5d 00m\r\n" +
                                         (minor == 1.0f ? "  SUN       MERCURY     72d 00m          0d 00m\r\n" : "") +
                                         "  MARS      MC           0d 00m          0d 00m\r\n";
        EXPECT_TRUE(lines[17].starts_with(expectedList)) << lines[17];
    }
}

}  // namespace
}  // namespace helion
