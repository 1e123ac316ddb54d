#include "core/cosmodynes/natal_cosmodynes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cosmodynes/cosmodynes_tables.h"
#include "test_charts.h"

namespace helion {
namespace {

using testing::chartWith;
using testing::kEqualHousesFromAries;
using testing::PointPosition;

constexpr double kTol = 1e-9;

// Venus at 22 Taurus in the 2nd house of an equal-house chart (cusps every 30 degrees
// from 0 Aries), followed by hand:
//  House position: 22 degrees into a 30-degree succedent 2nd house, base 8.5, drop 0.5:
//    8.5 - 0.5 * 22 / 30 = 8.1333.
//  Orbs: Venus is succedent, {2, 4, 6, 8, 10} by group; no other point widens them into
//  an aspect except these two:
//    Jupiter 25 Virgo (cadent): separation 123, inside the square-trine orb 8, below 130:
//      trine, strength 8 - 3 = 5. Power +5, harmony +5, Jupiter's nature +2.5,
//      Venus's own nature +1.25.
//    Saturn 24 Leo (succedent): separation 92: square, strength 8 - 2 = 6. Power +6,
//      discord +6, Saturn's nature +3 discord, Venus's nature +1.5 harmony.
//  Parallel: declinations +10.5 and -10.2 lie 0.3 apart from the equator (a
//    contra-parallel counts): orb 10 (succedent) against Mars's 8 (cadent), strength
//    10 * 0.7 = 7. Power +7, Venus's nature +1.75 harmony, Mars's nature +1.75 discord.
//  Mutual reception: Venus in Taurus (a Moon sign), the Moon in Libra (a Venus sign): +5.
//  Dignity: Venus rules Taurus: harmony +2.
//  Power 8.1333 + 5 + 6 + 7 = 26.1333; harmony 5 + 2.5 + 1.25 + 1.5 + 1.75 + 5 + 2 = 19;
//  discord 6 + 3 + 1.75 = 10.75.
TEST(NatalCosmodynes, VenusScoredByHand) {
    const NatalCosmodynes cosmo = computeNatalCosmodynes(testing::handCheckedChart());
    EXPECT_NEAR(cosmo.housePositionPower[Point::Venus], 8.5 - 0.5 * 22.0 / 30.0, kTol);
    EXPECT_NEAR(cosmo.planetPower[Point::Venus], 26.0 + 0.4 / 3.0, kTol);
    EXPECT_NEAR(cosmo.planetHarmony[Point::Venus], 19.0, kTol);
    EXPECT_NEAR(cosmo.planetDiscord[Point::Venus], 10.75, kTol);
}

// The Ascendant at 0 Aries, angular orbs {3, 5, 7, 10, 12}, starts at 15 and draws no
// house power. Jupiter at 175: opposition, strength 12 - 5 = 7 (discord 7, Jupiter's
// nature +3.5 harmony). Pluto at 312, 48 away: semi-square, 5 - 3 = 2 (discord 2). The
// Moon at 207, 153 away: quincunx inside the Moon's wider orb 4, strength 4 - 3 = 1 (no
// harmony or discord). The Midheaven 90 away: exact square, 10 (discord 10). Neptune at
// declination 0.5 against 0: parallel, 12 * 0.5 = 6. Power 15 + 7 + 2 + 1 + 10 + 6 = 41.
TEST(NatalCosmodynes, AscendantScoredByHand) {
    const NatalCosmodynes cosmo = computeNatalCosmodynes(testing::handCheckedChart());
    EXPECT_EQ(cosmo.housePositionPower[Point::Ascendant], 0.0);
    EXPECT_NEAR(cosmo.planetPower[Point::Ascendant], 41.0, kTol);
    EXPECT_NEAR(cosmo.planetHarmony[Point::Ascendant], 3.5, kTol);
    EXPECT_NEAR(cosmo.planetDiscord[Point::Ascendant], 19.0, kTol);
    EXPECT_NEAR(cosmo.natalCosmoPower[11], 41.0, kTol);
    EXPECT_NEAR(cosmo.natalCosmoNet[11], -15.5, kTol);
    EXPECT_NEAR(cosmo.natalCosmoPower[3], cosmo.planetPower[Point::Venus], kTol);
}

// Points spread out from 100 degrees on; each test moves one of them.
std::array<PointPosition, 15> spreadPoints() {
    std::array<PointPosition, 15> points{};
    for (int p = 0; p < 15; ++p) points[p] = {100.0 + 7.0 * p, 3.0 * p};
    return points;
}

TEST(NatalCosmodynes, HousePositionFallsFromTheCuspToTheNextHouse) {
    struct Row {
        double sunLongitude;
        double power;
        const char* what;
    };
    for (const Row& row :
         {Row{0.0, 15.0, "on the Ascendant"}, Row{210.0, 10.9, "on the 8th cusp"}, Row{300.0, 11.9, "on the 11th cusp"},
          Row{329.9999, 10.9, "end of the 11th = base of the 8th"},
          Row{330.0 - 1.0 / 72000.0, 9.3, "a hair before the 12th cusp counts as on it"},
          Row{360.0 - 1.0 / 72000.0, 15.0, "a hair before the Ascendant"}}) {
        std::array<PointPosition, 15> points = spreadPoints();
        points[0] = {row.sunLongitude, -40.0};
        const NatalCosmodynes cosmo = computeNatalCosmodynes(chartWith(points, kEqualHousesFromAries));
        EXPECT_NEAR(cosmo.housePositionPower[Point::Sun], row.power, 1e-5) << row.what;
    }
}

TEST(NatalCosmodynes, SignsAndHousesTakeRulerSharesByTheirCusps) {
    // Four cusps in Aries, three in Libra, two in Aquarius, one in Gemini, Cancer,
    // Scorpio and Sagittarius; none in Taurus, Leo, Virgo, Capricorn or Pisces. Every
    // point stands in Cancer or Leo, so the signs tested hold no point.
    std::array<PointPosition, 15> points{};
    for (int p = 0; p < 15; ++p) points[p] = {92.0 + 3.7 * p, 1.5 * p};
    const std::array<double, 12> cusps{5, 15, 25, 28, 60, 100, 182, 195, 205, 260, 300, 320};
    const NatalCosmodynes c = computeNatalCosmodynes(chartWith(points, cusps));
    // The rulers by hand: Aries Mars, Taurus and Libra Venus, Gemini Mercury, Scorpio Pluto
    // and Mars, Sagittarius Jupiter, Capricorn Saturn, Aquarius Saturn and Uranus, Pisces
    // Neptune and Jupiter.
    const auto& p = c.planetPower;
    const double mars = p[Point::Mars], venus = p[Point::Venus], mercury = p[Point::Mercury],
                 jupiter = p[Point::Jupiter], saturn = p[Point::Saturn];
    const double scorpio = (p[Point::Pluto] + mars) / 2, aquarius = (saturn + p[Point::Uranus]) / 2,
                 pisces = (p[Point::Neptune] + jupiter) / 2;

    // No cusp in a sign: a quarter of its ruler; one: a half; two: all; three: twice.
    const std::pair<int, double> signs[] = {{1, 0.0},       {2, venus / 4},   {3, mercury / 2}, {7, venus * 2},
                                            {11, aquarius}, {8, scorpio / 4}, {12, pisces / 4}};
    for (const auto& [sign, power] : signs) EXPECT_NEAR(c.signPower[sign], power, kTol) << "sign " << sign;
    EXPECT_EQ(c.cuspsInSign[1], 4);

    // House 9 (Libra) intercepts Scorpio, house 10 (Sagittarius) Capricorn, house 12
    // (Aquarius) Pisces; the 1st adds the Ascendant and the 10th the Midheaven.
    const std::pair<int, double> houses[] = {{9, venus / 2 + scorpio / 4},
                                             {12, aquarius / 2 + pisces / 4},
                                             {1, mars / 2 + p[Point::Ascendant]},
                                             {10, jupiter / 2 + saturn / 4 + p[Point::Midheaven]}};
    for (const auto& [house, power] : houses) EXPECT_NEAR(c.housePower[house], power, kTol) << "house " << house;
}

}  // namespace
}  // namespace helion
