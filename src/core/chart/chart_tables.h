#pragma once
// The computed charts: four chart sets of one run and the values kept with them.

#include <string>

#include "core/astro/house_system.h"
#include "core/astro/points.h"
#include "core/input/chart_input.h"

namespace helion {

struct ChartPositions {
    PointTable longitude{};
    PointTable declination{};
    CuspTable cusp{};
    PointHouses house{};
    // The sidereal time shown with the chart, whole seconds; southern charts 12 hours later.
    int siderealSeconds = 0;
    // Set for the planets Mercury .. Pluto that moved backwards in longitude.
    PointFlags retrograde{};
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
