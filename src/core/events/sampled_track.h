#pragma once
// A moving point's longitude sampled at even steps together with its daily motion.
// Between two samples the cubic that matches the longitude and the motion at both ends
// stands in for the point, so one ephemeris call a step serves every level the point may
// cross, however many targets there are. The cubic follows a turn of direction inside a
// step, so a pass shorter than the step is still found.

#include <functional>
#include <span>
#include <vector>

#include "core/astro/ephemeris.h"

namespace helion {

using LongitudeSource = std::function<LongitudeAndSpeed(double jdUt)>;

// Whether a crossing found on the cubic is solved again on the source itself: where the
// cubic's small error in longitude means a large error in time (a slow point) or where
// the source bends sharply (a planet behind the Sun, its light bent by the Sun's mass).
using PolishRule = std::function<bool(double jdUt, double longitudeDeg, double speedDegPerDay)>;

struct LevelCrossing {
    std::size_t level = 0;  // index into the levels asked for
    double jdUt = 0.0;
    double unwrappedDeg = 0.0;  // the level plus the whole circles the track has run
    double speedDegPerDay = 0.0;
};

struct Station {
    double jdUt = 0.0;
    bool turnsRetrograde = false;
};

class SampledTrack {
public:
    // Samples [fromJd, toJd] in equal steps no longer than stepDays.
    SampledTrack(LongitudeSource source, PolishRule polish, double fromJd, double toJd, double stepDays);

    const LongitudeSource& source() const { return source_; }

    // Every moment the point passes one of the levels (degrees, any circle), in time order.
    std::vector<LevelCrossing> crossings(std::span<const double> levelsDeg) const;

    // Every moment the point's motion changes sign, solved to a fraction of a second.
    std::vector<Station> stations() const;

private:
    void addPieceCrossings(std::size_t interval, double sFrom, double sTo, std::span<const double> sortedLevels,
                           std::span<const std::size_t> order, std::vector<LevelCrossing>& out) const;
    double polished(double jdUt, double levelDeg) const;

    LongitudeSource source_;
    PolishRule polish_;
    double step_ = 0.0;
    std::vector<double> jd_;
    std::vector<double> unwrapped_;  // longitudes with the whole circles kept
    std::vector<double> speed_;
};

}  // namespace helion
