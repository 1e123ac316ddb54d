#pragma once
// The fixed tables of the Cosmodynes scoring: how strong each house makes a planet, the
// factors of progressed aspects by house class, the rulers of the signs, the signs each
// planet is at home in (mutual reception) and the sign dignities.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "core/aspects/house_orbs.h"
#include "core/chart/chart_tables.h"

namespace helion::cosmo {

inline constexpr int kSignCount = 12;
inline constexpr int kHouseCount = 12;

// The scored points in the order every table lists them: the planets, then the
// Ascendant and the Midheaven. The nodes and the Part of Fortune are never scored.
inline constexpr std::array<Point, 12> kScoredPoints{
    Point::Sun,    Point::Mercury, Point::Venus, Point::Mars, Point::Jupiter,   Point::Saturn,
    Point::Uranus, Point::Neptune, Point::Pluto, Point::Moon, Point::Ascendant, Point::Midheaven};

// Sign 1 Aries .. 12 Pisces of a longitude in [0, 360]; 360 itself is 0 Aries again.
constexpr int signOf(double longitudeDeg) { return static_cast<int>(longitudeDeg / 30.0) % 12 + 1; }

// A planet draws its full base power on the cusp of its house and loses the drop
// steadily towards the next cusp, so each house ends where the next-weaker one begins.
struct HouseStrength {
    float base;
    float drop;
};
inline constexpr std::array<HouseStrength, 13> kHouseStrength{{
    {0.0f, 0.0f},
    {15.0f, 2.0f},
    {8.5f, 0.5f},
    {8.0f, 0.5f},  // 1..3
    {14.0f, 2.0f},
    {7.5f, 0.5f},
    {7.0f, 0.5f},  // 4..6
    {14.5f, 2.0f},
    {10.9f, 0.9f},
    {10.0f, 0.7f},  // 7..9
    {15.0f, 2.0f},
    {11.9f, 1.0f},
    {9.3f, 0.7f},  // 10..12
}};

// Aspect groups, each with one orb: 1 semi-sextile and quincunx, 2 semi-square and
// sesquiquadrate, 3 sextile, 4 square and trine, 5 conjunction and opposition.
inline constexpr int kAspectGroups = 5;
template <typename T>
using GroupValues = std::array<T, kAspectGroups>;  // index group - 1

// Factors of a progressed aspect's power by house class.
struct ClassFactors {
    GroupValues<double> plain;
    GroupValues<double> personal;  // the progressed Sun, Mercury and Moon
};
inline constexpr std::array<ClassFactors, 3> kProgressedFactors{{
    {{0.05, 0.15, 0.25, 0.3, 0.4}, {0.1, 0.2, 0.3, 0.4, 0.55}},  // cadent
    {{0.1, 0.2, 0.3, 0.4, 0.5}, {0.15, 0.25, 0.35, 0.5, 0.65}},  // succedent
    {{0.15, 0.25, 0.35, 0.5, 0.6}, {0.2, 0.3, 0.4, 0.6, 0.75}},  // angular
}};

// The benefics lend harmony and the malefics discord to every aspect they take part in.
struct PlanetNature {
    Point planet;
    double share;  // of the aspect's strength
    bool harmony;  // otherwise discord
};
inline constexpr std::array<PlanetNature, 4> kPlanetNatures{{
    {Point::Jupiter, 0.5, true},
    {Point::Venus, 0.25, true},
    {Point::Saturn, 0.5, false},
    {Point::Mars, 0.25, false},
}};

// A sign's ruler value: one planet's, or the mean of two (the modern co-rulers).
struct Rulership {
    Point first;
    std::optional<Point> second;  // none when the sign has one ruler
};
inline constexpr std::array<Rulership, 13> kRulers{{
    {Point::Sun, std::nullopt},  // no sign 0
    {Point::Mars, std::nullopt},
    {Point::Venus, std::nullopt},
    {Point::Mercury, std::nullopt},
    {Point::Moon, std::nullopt},
    {Point::Sun, std::nullopt},
    {Point::Mercury, std::nullopt},
    {Point::Venus, std::nullopt},
    {Point::Pluto, Point::Mars},
    {Point::Jupiter, std::nullopt},
    {Point::Saturn, std::nullopt},
    {Point::Saturn, Point::Uranus},
    {Point::Neptune, Point::Jupiter},
}};

// A set of signs, bit s for sign s.
using SignSet = std::uint16_t;
constexpr SignSet signs(std::initializer_list<int> list) {
    SignSet set = 0;
    for (const int sign : list) set = static_cast<SignSet>(set | (1u << sign));
    return set;
}
constexpr bool contains(SignSet set, int sign) { return sign >= 1 && sign <= kSignCount && ((set >> sign) & 1u) != 0; }

// Signs: 1 ARI 2 TAU 3 GEM 4 CAN 5 LEO 6 VIR 7 LIB 8 SCO 9 SAG 10 CAP 11 AQU 12 PIS.
// The signs each planet is at home in; two planets each in a sign of the other are in
// mutual reception.
inline constexpr PointArray<SignSet> kReceptionSigns{{
    signs({1, 5}),       // Sun
    signs({3, 6, 11}),   // Mercury
    signs({2, 7, 12}),   // Venus
    signs({1, 8, 10}),   // Mars
    signs({4, 9, 12}),   // Jupiter
    signs({7, 10, 11}),  // Saturn
    signs({3, 11}),      // Uranus
    signs({9, 12}),      // Neptune
    signs({5, 8}),       // Pluto
    signs({2, 4}),       // Moon
}};

constexpr bool inMutualReception(Point planetA, int signA, Point planetB, int signB) {
    return contains(kReceptionSigns[planetB], signA) && contains(kReceptionSigns[planetA], signB);
}

// Rulership and detriment weigh 2, exaltation and fall 3, the lesser dignities 1.
struct DignityRow {
    SignSet harmony2, discord2, harmony3, discord3, harmony1, discord1;
};
inline constexpr PointArray<DignityRow> kDignities{{{
    {signs({5}), signs({11}), signs({1}), signs({7}), signs({9}), signs({3})},          // Sun
    {signs({3, 6}), signs({9, 12}), signs({11}), signs({5}), signs({8}), signs({2})},   // Mercury
    {signs({2, 7}), signs({1, 8}), signs({12}), signs({6}), signs({11}), signs({5})},   // Venus
    {signs({1, 8}), signs({2, 7}), signs({10}), signs({4}), signs({5}), signs({11})},   // Mars
    {signs({9, 12}), signs({3, 6}), signs({4}), signs({10}), signs({2}), signs({8})},   // Jupiter
    {signs({10, 11}), signs({4, 5}), signs({7}), signs({1}), signs({6}), signs({12})},  // Saturn
    {signs({11}), signs({5}), signs({3}), signs({9}), signs({7}), signs({1})},          // Uranus
    {signs({12}), signs({6}), signs({9}), signs({3}), signs({4}), signs({10})},         // Neptune
    {signs({8}), signs({2}), signs({5}), signs({11}), signs({1}), signs({7})},          // Pluto
    {signs({4}), signs({10}), signs({2}), signs({8}), signs({12}), signs({6})},         // Moon
}}};

struct Dignity {
    double harmony = 0.0;
    double discord = 0.0;
};

// The harmony and discord a body (Sun .. Moon) takes from standing in a sign.
constexpr Dignity dignityOf(Point planet, int sign) {
    const DignityRow& row = kDignities[planet];
    auto weigh = [sign](SignSet set, int amount) { return contains(set, sign) ? amount : 0; };
    return {static_cast<double>(weigh(row.harmony2, 2) + weigh(row.harmony3, 3) + weigh(row.harmony1, 1)),
            static_cast<double>(weigh(row.discord2, 2) + weigh(row.discord3, 3) + weigh(row.discord1, 1))};
}

}  // namespace helion::cosmo
