#pragma once
// The points every chart table holds, in table order: the Sun, the planets Mercury .. Pluto,
// the Moon, the lunar nodes, the Part of Fortune and the two angles.

#include <array>
#include <cstddef>

namespace helion {

// Each point's value is its printed number, 1 (Sun) .. 15 (Midheaven).
enum class Point {
    Sun = 1,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Moon,
    NorthNode,
    SouthNode,
    PartOfFortune,
    Ascendant,
    Midheaven,
};

inline constexpr std::size_t kPointCount = 15;

// Where a file or a report prints a point, it prints this number.
constexpr int pointNumber(Point point) { return static_cast<int>(point); }
constexpr Point pointFromNumber(int number) { return static_cast<Point>(number); }

// The position of a point in a table of kPointCount entries.
constexpr std::size_t pointIndex(Point point) { return static_cast<std::size_t>(pointNumber(point) - 1); }
constexpr bool isPointNumber(int number) { return number >= 1 && number <= pointNumber(Point::Midheaven); }

// The points first .. last, both included, in table order.
template <Point First, Point Last>
constexpr auto pointsFromTo() {
    std::array<Point, pointIndex(Last) - pointIndex(First) + 1> points{};
    int number = pointNumber(First);
    for (Point& point : points) point = pointFromNumber(number++);
    return points;
}

inline constexpr auto kAllPoints = pointsFromTo<Point::Sun, Point::Midheaven>();
// The bodies the ephemeris gives: the Sun, the planets and the Moon.
inline constexpr auto kBodies = pointsFromTo<Point::Sun, Point::Moon>();
inline constexpr auto kPlanets = pointsFromTo<Point::Mercury, Point::Pluto>();

// One value for each point.
template <class T>
struct PointArray {
    std::array<T, kPointCount> values{};

    constexpr T& operator[](Point point) { return values[pointIndex(point)]; }
    constexpr const T& operator[](Point point) const { return values[pointIndex(point)]; }
    constexpr void fill(const T& value) { values.fill(value); }
    constexpr auto begin() { return values.begin(); }
    constexpr auto end() { return values.end(); }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }
    friend bool operator==(const PointArray&, const PointArray&) = default;
};

using PointTable = PointArray<double>;

// The house (1..12) of each point; 0 where a point falls in no house.
using PointHouses = PointArray<int>;

// A yes or no for each point, such as whether it moves backwards.
using PointFlags = PointArray<bool>;

// Cusp entry k (1..12) holds the cusp of house ((k + 8) mod 12) + 1: entry 1 is the
// 10th house (Midheaven), 4 the 1st (Ascendant). Entry 13 holds no cusp.
using CuspTable = std::array<double, 14>;

}  // namespace helion
