#pragma once
// The Cosmodynes score of a natal chart: a power, a harmony and a discord for every
// scored point (the ten planets, the Ascendant and the Midheaven), and from them for the
// twelve signs and the twelve houses. Harmony minus discord is the net harmony.

#include <array>
#include <string_view>

#include "core/chart/chart_tables.h"

namespace helion {

using SignTable = std::array<double, 13>;   // 1 Aries .. 12 Pisces; slot 0 unused
using HouseTable = std::array<double, 13>;  // houses 1..12; slot 0 unused
// Row p, column q: the power of the pair when p comes before q, its net harmony when after.
using AspectGrid = PointArray<PointArray<float>>;
// Entries 1..12 the scored points in table order (Sun .. Moon, Ascendant, Midheaven), 13..24 signs 1..12, 25..36
// houses 1..12.
using CosmoSummary = std::array<double, 37>;

struct NatalCosmodynes {
    CuspTable cosmoCusp{};      // in house order: entry h is the cusp of house h
    HouseTable houseSpan{};     // degrees from the cusp of house h to the next one
    PointTable cuspDistance{};  // degrees from the cusp of its house to each body Sun .. Moon
    PointTable housePositionPower{};
    PointTable aspectPower{};
    PointTable planetHarmony{};
    PointTable planetDiscord{};
    PointTable planetPower{};
    AspectGrid aspectGrid{};
    std::array<int, 13> cuspsInSign{};
    SignTable signPower{}, signHarmony{}, signDiscord{};
    HouseTable housePower{}, houseHarmony{}, houseDiscord{};
    // The scored points by power, largest first; equal powers keep their point order.
    std::array<Point, 12> rankedPoint{};
    CosmoSummary natalCosmoPower{};
    CosmoSummary natalCosmoNet{};
};

NatalCosmodynes computeNatalCosmodynes(const ChartPositions& natal);

}  // namespace helion
