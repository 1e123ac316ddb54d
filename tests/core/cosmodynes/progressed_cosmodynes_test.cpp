#include "core/cosmodynes/progressed_cosmodynes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/aspects/aspect_kinds.h"
#include "test_charts.h"

namespace helion {
namespace {

constexpr double kTol = 1e-9;

const ProgressedAspect* findAspect(const ProgressedCosmodynes& score, int first, int second) {
    const auto found = std::ranges::find_if(
        score.aspects, [&](const ProgressedAspect& a) { return a.first == first && a.second == second; });
    return found == score.aspects.end() ? nullptr : &*found;
}

class ProgressedOnTheBirthDate : public ::testing::Test {
protected:
    ChartPositions natal = testing::handCheckedChart();
    NatalCosmodynes score = computeNatalCosmodynes(natal);
    ProgressedCosmodynes progressed = computeProgressedCosmodynes(score, natal, natal);
};

TEST_F(ProgressedOnTheBirthDate, EveryPointIsConjunctItself) {
    for (int i = 1; i <= 12; ++i) {
        const ProgressedAspect* conjunction = findAspect(progressed, i, i + 12);
        ASSERT_NE(conjunction, nullptr) << "table position " << i;
        EXPECT_EQ(conjunction->aspect, Aspect::Conjunct);
    }
    // The Sun in the cadent 12th: the progressed Sun's factor 0.55 beats the natal 0.4.
    EXPECT_NEAR(findAspect(progressed, 1, 13)->power, score.natalCosmoPower[1] * 0.55, kTol);
    // The Moon in the angular 7th, 0.75, and a seventh for the progressed Moon.
    EXPECT_NEAR(findAspect(progressed, 10, 22)->power, score.natalCosmoPower[10] * 0.75 / 7.0, kTol);
    // Venus with itself: both natures (+P/4 twice) and Taurus a Venus sign on both sides.
    const ProgressedAspect* venus = findAspect(progressed, 3, 15);
    EXPECT_NEAR(venus->harmony, venus->power / 2.0 + 2.5, kTol);
}

TEST_F(ProgressedOnTheBirthDate, SignsAndHousesChangeOnlyByTheShares) {
    // Taurus and the 2nd house hold Venus alone: half its power, half its net and half
    // its dignity in Taurus (+2).
    EXPECT_NEAR(progressed.signPower[2] - score.natalCosmoPower[14], score.natalCosmoPower[3] / 2.0, kTol);
    EXPECT_NEAR(progressed.signNet[2] - score.natalCosmoNet[14], score.natalCosmoNet[3] / 2.0 + 1.0, kTol);
    EXPECT_NEAR(progressed.houseNet[2] - score.natalCosmoNet[26], score.natalCosmoNet[3] / 2.0 + 1.0, kTol);
    // Libra and the 7th hold Uranus and the Moon, whose share is a fourteenth.
    EXPECT_NEAR(progressed.signPower[7] - score.natalCosmoPower[19],
                score.natalCosmoPower[7] / 2.0 + score.natalCosmoPower[10] / 14.0, kTol);
    EXPECT_NEAR(progressed.housePower[7] - score.natalCosmoPower[31],
                score.natalCosmoPower[7] / 2.0 + score.natalCosmoPower[10] / 14.0, kTol);
    EXPECT_EQ(progressed.house, natal.house);
}

TEST_F(ProgressedOnTheBirthDate, OneDegreeFromExactCountsHalf) {
    ChartPositions moved = natal;
    moved.longitude[Point::Sun] += 1.0;
    const ProgressedCosmodynes later = computeProgressedCosmodynes(score, natal, moved);
    const ProgressedAspect* conjunction = findAspect(later, 1, 13);
    ASSERT_NE(conjunction, nullptr);
    EXPECT_NEAR(conjunction->power, score.natalCosmoPower[1] * 0.55 / 2.0, kTol);
    // The Sun's own conjunction counts for it on both sides.
    EXPECT_GE(later.addedPower[1], 2.0 * conjunction->power);
}

}  // namespace
}  // namespace helion
