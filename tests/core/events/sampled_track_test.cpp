// Tracks sampled together: the sources are asked moment by moment across the tracks, so
// the ephemeris library can share its work for a moment, and each track stays the one its
// source would give alone.

#include "core/events/sampled_track.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace helion {
namespace {

// A body moving at `rate` degrees a day with a swing of `swing` degrees every 40 days.
LongitudeSource swinging(double rate, double swing, std::vector<double>& asked) {
    return [rate, swing, &asked](double jd) {
        asked.push_back(jd);
        const double w = 2.0 * 3.141592653589793 / 40.0;
        return LongitudeAndSpeed{std::fmod(rate * jd + swing * std::sin(w * jd), 360.0) + 360.0,
                                 rate + swing * w * std::cos(w * jd), EphemerisReach::Files};
    };
}

TEST(SampleTogether, AsksMomentByMomentAndKeepsEachTrack) {
    std::vector<double> asked;
    // Half a day, a day, and four days over a wider span that meets the others' moments
    // only now and then.
    const std::vector<TrackPlan> plans{{swinging(1.3, 0.5, asked), {}, 0.0, 60.0, 0.5},
                                       {swinging(1.0, 0.0, asked), {}, 10.0, 50.0, 1.0},
                                       {swinging(0.1, 8.0, asked), {}, -37.0, 97.0, 4.0}};
    const std::vector<SampledTrack> together = sampleTogether(plans);
    EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end()));

    const std::vector<double> levels{0.0, 45.0, 90.0, 123.4, 200.0, 300.0};
    for (std::size_t k = 0; k < plans.size(); ++k) {
        const std::vector<LevelCrossing> alone = sampleTogether({plans[k]}).front().crossings(levels);
        const std::vector<LevelCrossing> shared = together[k].crossings(levels);
        ASSERT_EQ(shared.size(), alone.size()) << k;
        ASSERT_FALSE(shared.empty()) << k;
        for (std::size_t c = 0; c < shared.size(); ++c) {
            EXPECT_EQ(shared[c].jdUt, alone[c].jdUt) << k;
            EXPECT_EQ(shared[c].level, alone[c].level) << k;
        }
    }
}

}  // namespace
}  // namespace helion
