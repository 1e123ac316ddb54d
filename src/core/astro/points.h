#pragma once
// Point index, shared by every table: 1 Sun, 2 Mercury .. 9 Pluto, 10 Moon, 11 North
// Node, 12 South Node, 13 Part of Fortune, 14 Ascendant, 15 Midheaven; slot 0 is empty.

#include <array>

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

// The house (1..12) of each point; 0 where a point falls in no house.
using PointHouses = std::array<int, point::Count + 1>;

// A yes or no for each point, such as whether it moves backwards.
using PointFlags = std::array<bool, point::Count + 1>;

// Cusp entry k (1..12) holds the cusp of house ((k + 8) mod 12) + 1: entry 1 is the
// 10th house (Midheaven), 4 the 1st (Ascendant). Entry 13 holds no cusp.
using CuspTable = std::array<double, 14>;

}  // namespace helion
