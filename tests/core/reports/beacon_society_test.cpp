#include "core/reports/beacon_society.h"

#include <gtest/gtest.h>

#include <string>

namespace helion {
namespace {

TEST(BeaconOrbs, GrowWithTheHouseAndTheLuminaries) {
    ChartPositions chart;  // the points in these houses, in table order
    chart.house = {{10, 1, 3, 6, 2, 5, 9, 12, 8, 4, 4, 10, 1, 1, 10}};
    const std::pair<Point, BeaconOrbs> rows[] = {
        {Point::Sun, {4, 6, 8, 12, 15}},        // angular
        {Point::Mars, {1, 3, 5, 6, 8}},         // cadent
        {Point::Jupiter, {2, 4, 6, 8, 10}},     // succedent
        {Point::Ascendant, {3, 5, 7, 10, 12}},  // in the 1st
    };
    for (const auto& [body, orbs] : rows) EXPECT_EQ(beaconOrbs(chart, body), orbs) << pointNumber(body);
    EXPECT_EQ(beaconOrbs(ChartPositions{}, Point::Mercury), (BeaconOrbs{1, 3, 5, 6, 8}));  // no house: narrowest
}

TEST(BeaconClassifier, TakesTheFirstOpenRange) {
    struct Row {
        double separation;
        BeaconOrbs orbs;
        std::optional<Aspect> aspect;
        double distance;
    };
    for (const Row& row :
         {Row{14.9, {4, 6, 8, 12, 15}, Aspect::Conjunct, 14.9},  // luminary 10th with Mars 6th
          Row{15.0, {4, 6, 8, 12, 15}, std::nullopt, 0}, Row{131, {1, 5, 5, 6, 8}, Aspect::Sesquisquare, -4},
          Row{31, {1, 3, 5, 6, 8}, std::nullopt, 0},  // exactly 30 + g1: open bound
          // The conjunction is tested first and wins an overlap.
          Row{28, {3, 5, 7, 10, 30}, Aspect::Conjunct, 28}, Row{172.5, {1, 3, 5, 6, 8}, Aspect::Opposite, -7.5}}) {
        const AspectFinding found = classifyBeaconAspect(row.separation, row.orbs);
        EXPECT_EQ(found.aspect, row.aspect) << row.separation;
        if (row.aspect) {
            EXPECT_DOUBLE_EQ(found.distance, row.distance) << row.separation;
        }
    }
}

}  // namespace
}  // namespace helion
