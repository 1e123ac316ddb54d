#include "core/reports/beacon_society.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace helion {
namespace {

// A natal chart whose points stand in the given houses (points 1..15 in order).
ChartPositions chartInHouses(const std::string& placement) {
    ChartPositions chart;
    chart.placement = placement;
    return chart;
}

const std::string kHouses =
    "10TH HOUSE 1ST HOUSE 3RD HOUSE 6TH HOUSE 2ND HOUSE 5TH HOUSE 9TH HOUSE12TH HOUSE 8TH HOUSE"
    " 4TH HOUSE 4TH HOUSE10TH HOUSE 1ST HOUSE 1ST HOUSE10TH HOUSE";

TEST(BeaconOrbs, GrowWithTheHouseAndTheLuminaries) {
    const ChartPositions chart = chartInHouses(kHouses);
    EXPECT_EQ(beaconOrbs(chart, 1), (BeaconOrbs{4, 6, 8, 12, 15}));    // Sun, angular
    EXPECT_EQ(beaconOrbs(chart, 4), (BeaconOrbs{1, 3, 5, 6, 8}));      // Mars, cadent
    EXPECT_EQ(beaconOrbs(chart, 5), (BeaconOrbs{2, 4, 6, 8, 10}));     // Jupiter, succedent
    EXPECT_EQ(beaconOrbs(chart, 10), (BeaconOrbs{4, 6, 8, 12, 15}));   // Moon, angular
    EXPECT_EQ(beaconOrbs(chart, 14), (BeaconOrbs{3, 5, 7, 10, 12}));   // Ascendant
    EXPECT_EQ(beaconOrbs(chart, 15), (BeaconOrbs{3, 5, 7, 10, 12}));   // Midheaven
    EXPECT_EQ(beaconOrbs(chartInHouses(""), 2), (BeaconOrbs{1, 3, 5, 6, 8}));  // no house: narrowest
}

struct BeaconCase {
    double separation;
    BeaconOrbs orbs;
    int code;
    double distance;
};

class BeaconClassifier : public ::testing::TestWithParam<BeaconCase> {};

TEST_P(BeaconClassifier, TakesTheFirstOpenRange) {
    const BeaconCase& c = GetParam();
    const AspectFinding found = classifyBeaconAspect(c.separation, c.orbs);
    EXPECT_EQ(found.code, c.code);
    if (c.code != code::None) {
        EXPECT_DOUBLE_EQ(found.distance, c.distance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BeaconClassifier,
    ::testing::Values(BeaconCase{14.9, {4, 6, 8, 12, 15}, code::Conjunct, 14.9},  // luminary 10th with Mars 6th
                      BeaconCase{15.0, {4, 6, 8, 12, 15}, code::None, 0},
                      BeaconCase{125, {1, 3, 5, 6, 8}, code::Trine, 5},
                      BeaconCase{131, {1, 5, 5, 6, 8}, code::Sesquisquare, -4},
                      BeaconCase{31, {1, 3, 5, 6, 8}, code::None, 0},  // exactly 30 + g1: open bound
                      BeaconCase{30.5, {1, 3, 5, 6, 8}, code::SemiSextile, 0.5},
                      // The conjunction is tested first and wins an overlap.
                      BeaconCase{28, {3, 5, 7, 10, 30}, code::Conjunct, 28},
                      BeaconCase{172.5, {1, 3, 5, 6, 8}, code::Opposite, -7.5}));

TEST(BeaconSocietyAspects, ListsEachPairUnderBothBodiesAndParallelsAcrossTheEquator) {
    ChartPositions chart = chartInHouses(kHouses);
    chart.longitude[1] = 10.0;   // Sun
    chart.longitude[4] = 69.5;   // Mars: a sextile to the Sun within max(8, 5)
    for (int p : {2, 3, 5, 6, 7, 8, 9, 10, 14, 15}) chart.longitude[static_cast<std::size_t>(p)] = 200.0;
    chart.declination[1] = 12.0;
    chart.declination[4] = -12.4;
    for (int p : {2, 3, 5, 6, 7, 8, 9, 10, 14, 15}) chart.declination[static_cast<std::size_t>(p)] = 5.0;

    ReportLines lines;
    appendBeaconSocietyAspects(lines, chart);
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_EQ(lines[0], "              Beacon Society Aspects");
    EXPECT_TRUE(has("  SUN           Sextile         MARS          -0.5 degrees"));
    EXPECT_TRUE(has("  MARS          Sextile         SUN            0.5 degrees"));
    EXPECT_TRUE(has("  SUN           Parallel      MARS           0.4 degrees"));
    EXPECT_TRUE(has("  MARS          Parallel      SUN            0.4 degrees"));
    EXPECT_EQ(lines.back(), "");
}

}  // namespace
}  // namespace helion
