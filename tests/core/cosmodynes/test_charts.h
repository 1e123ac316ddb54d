#pragma once
// Hand-made natal charts for the Cosmodynes tests.

#include <array>

#include "core/astro/houses.h"
#include "core/chart/chart_tables.h"

namespace helion::testing {

// Longitude and declination of each point in table order (entries for the nodes and the
// Part of Fortune are carried but never scored).
struct PointPosition {
    double longitude;
    double declination;
};

// cuspOfHouse[h - 1] is the cusp of house h; the chart stores them from the 10th house
// on and places the points in those houses.
inline ChartPositions chartWith(const std::array<PointPosition, 15>& points,
                                const std::array<double, 12>& cuspOfHouse) {
    ChartPositions chart;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        chart.longitude[kAllPoints[i]] = points[i].longitude;
        chart.declination[kAllPoints[i]] = points[i].declination;
    }
    for (int entry = 1; entry <= 12; ++entry) chart.cusp[entry] = cuspOfHouse[(entry + 8) % 12];
    chart.house = placeInHouses(chart.longitude, chart.cusp);
    return chart;
}

// Equal houses of 30 degrees with the Ascendant at 0 Aries (the Midheaven at 0 Capricorn).
inline constexpr std::array<double, 12> kEqualHousesFromAries{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330};

// A chart built so that Venus's score can be followed by hand (see the test).
inline ChartPositions handCheckedChart() {
    return chartWith({{{337, -5},     // Sun       7 PIS, 12th house
                       {72, 20},      // Mercury  12 GEM,  3rd
                       {52, 10.5},    // Venus    22 TAU,  2nd
                       {157, -10.2},  // Mars      7 VIR,  6th
                       {175, 2},      // Jupiter  25 VIR,  6th
                       {144, 8},      // Saturn   24 LEO,  5th
                       {197, -13},    // Uranus   17 LIB,  7th
                       {16, 0.5},     // Neptune  16 ARI,  1st
                       {312, 22.5},   // Pluto    12 AQU, 11th
                       {207, 25},     // Moon     27 LIB,  7th
                       {0, 0},
                       {180, 0},
                       {0, 0},
                       {0, 0},           // Ascendant
                       {270, -23.44}}},  // Midheaven
                     kEqualHousesFromAries);
}

}  // namespace helion::testing
