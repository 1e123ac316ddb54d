#pragma once
// The progressed Cosmodynes: how the secondary-progressed chart changes the natal
// score. Progressed points add shares of their natal values to the signs and natal
// houses they have moved into, and their aspects (to each other and to the natal
// points, within one degree) add power and harmony.

#include <array>
#include <string>
#include <vector>

#include "core/chart/chart_tables.h"
#include "core/config/aspect_orbs.h"
#include "core/cosmodynes/natal_cosmodynes.h"

namespace helion {

// Aspect points 1..12 are the progressed points, 13..24 the natal ones, each in table
// order (Sun .. Moon, Ascendant, Midheaven).
struct ProgressedAspect {
    int first;   // 1..12
    int second;  // first + 1 .. 24
    Aspect aspect;
    double power;
    double harmony;
};

struct ProgressedCosmodynes {
    PointHouses house{};  // the progressed points in the natal houses
    PointTable dignityHarmony{};
    PointTable dignityDiscord{};
    SignTable signPower{}, signNet{};
    HouseTable housePower{}, houseNet{};
    std::vector<ProgressedAspect> aspects;
    std::array<double, 13> addedPower{};  // by table position 1..12
    std::array<double, 13> addedHarmony{};
    double harmonyGain = 0.0;  // the change of net harmony summed over the houses
};

ProgressedCosmodynes computeProgressedCosmodynes(const NatalCosmodynes& natalScore, const ChartPositions& natal,
                                                 const ChartPositions& progressed);

}  // namespace helion
