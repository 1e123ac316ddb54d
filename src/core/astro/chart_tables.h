#pragma once
// The computed charts: four chart sets of one run and the values kept with them.
// Point index, shared by every table: 1 Sun, 2 Mercury .. 9 Pluto, 10 Moon, 11 North
// Node, 12 South Node, 13 Part of Fortune, 14 Ascendant, 15 Midheaven; slot 0 is empty.

#include <array>
#include <string>

#include "core/astro/house_system.h"
#include "core/input/chart_input.h"

namespace helion {

namespace point {
inline constexpr int Sun = 1;
inline constexpr int Mercury = 2;
inline constexpr int Pluto = 9;
inline constexpr int Moon = 10;
inline constexpr int NorthNode = 11;
inline constexpr int SouthNode = 12;
inline constexpr int PartOfFortune = 13;
inline constexpr int Ascendant = 14;
inline constexpr int Midheaven = 15;
inline constexpr int Count = 15;
}  // namespace point

using PointTable = std::array<double, point::Count + 1>;

// Cusp entry k (1..12) holds the cusp of house ((k + 8) mod 12) + 1: entry 1 is the
// 10th house (Midheaven), 4 the 1st (Ascendant). Entry 13 holds no cusp.
using CuspTable = std::array<double, 14>;

struct ChartPositions {
    PointTable longitude{};
    PointTable declination{};
    CuspTable cusp{};
    // 15 fields of 10 characters: field p is the house label of point p + " HOUSE".
    std::string placement;
    std::string siderealTime;
    // Character i (1-based, 2..9) is "R" when planet i moved backwards in longitude.
    std::string retrograde = std::string(15, ' ');
};

struct ChartMoment {
    double jd = 0.0;  // Julian day, UT
    double t = 0.0;   // Julian centuries from JD 2415020
};

struct ChartTables {
    ChartPositions natal;
    ChartPositions diurnal;
    ChartPositions progressed;
    ChartPositions minorProgressed;

    ChartMoment natalMoment;
    ChartMoment diurnalMoment;
    ChartMoment progressedMoment;
    ChartMoment minorMoment;

    double natalObliquity = 0.0;    // degrees
    double diurnalObliquity = 0.0;  // degrees

    std::string chartName;
    HouseSystem houseSystem = HouseSystem::Placidus;
    bool secondPerson = false;

    // The two input records the run was computed from (direction texts included).
    ChartInput natalInput;
    ChartInput diurnalInput;
};

}  // namespace helion
