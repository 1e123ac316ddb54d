#pragma once
// A moving point's longitude sampled at even steps together with its daily motion.
// Between two samples the cubic that matches the longitude and the motion at both ends
// stands in for the point, so one ephemeris call a step serves every level the point may
// cross, however many targets there are. The cubic follows a turn of direction inside a
// step, so a pass shorter than the step is still found.

#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/astro/ephemeris.h"

namespace helion {

using LongitudeSource = std::function<LongitudeAndSpeed(double jdUt)>;
// The longitude alone, where the library then need not work out the motion too.
using PositionSource = std::function<double(double jdUt)>;

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
    double longitudeDeg = 0.0;
};

// A track to sample: [fromJd, toJd] in equal steps no longer than stepDays, or in steps
// of exactly stepDays on the lattice of its whole multiples, shared by the plans that ask
// for it; its crossings are those inside [fromJd, toJd] either way.
struct TrackPlan {
    LongitudeSource source;
    PolishRule polish;
    double fromJd = 0.0;
    double toJd = 0.0;
    double stepDays = 1.0;
    bool onSharedLattice = false;
    PositionSource position = {};  // may be empty
};

// Levels (degrees, any circle) in the order of the circle, put so once for every track
// searched for them.
class LevelSet {
public:
    explicit LevelSet(std::span<const double> levelsDeg);
    std::span<const double> sortedDeg() const { return sorted_; }                     // on 0..360, ascending
    std::size_t asked(std::size_t sortedIndex) const { return order_[sortedIndex]; }  // its index as asked

private:
    std::vector<double> sorted_;
    std::vector<std::size_t> order_;
};

class SampledTrack;

// Samples the tracks moment by moment rather than track by track: the ephemeris library
// keeps its work for the last moment asked (the nutation, the Earth's place), which is
// most of a position's cost, so bodies asked at one moment in a row share it.
std::vector<SampledTrack> sampleTogether(const std::vector<TrackPlan>& plans);

class SampledTrack {
public:
    const LongitudeSource& source() const { return source_; }

    // Every moment the point passes one of the levels, in time order, as the cubic between
    // the samples finds it.
    std::vector<LevelCrossing> crossings(const LevelSet& levels) const;
    std::vector<LevelCrossing> crossings(std::span<const double> levelsDeg) const {
        return crossings(LevelSet(levelsDeg));
    }

    // The crossing's moment, solved again on the source where the polish rule asks.
    double moment(const LevelCrossing& crossing) const;
    // Whether solving may bring the crossing into [fromJd, toJd): it moves a crossing by
    // less than a step.
    bool mayFallWithin(const LevelCrossing& crossing, double fromJd, double toJd) const;
    // The crossing's moment when it lies in [fromJd, toJd).
    std::optional<double> momentWithin(const LevelCrossing& crossing, double fromJd, double toJd) const;

    // The moments the point's motion changes sign, solved to a fraction of a second, where
    // the samples around them reach into [fromJd, toJd).
    std::vector<Station> stations(double fromJd, double toJd) const;

private:
    friend std::vector<SampledTrack> sampleTogether(const std::vector<TrackPlan>& plans);
    SampledTrack(const TrackPlan& plan, std::vector<double> moments, std::span<const LongitudeAndSpeed> samples);

    void addPieceCrossings(std::size_t interval, double sFrom, double sTo, const LevelSet& levels,
                           std::vector<LevelCrossing>& out) const;
    struct Estimate {
        double jd;
        double speedDegPerDay;
    };
    struct Septic;
    std::optional<Septic> septicAround(double jdUt) const;
    Estimate sharpened(const LevelCrossing& crossing) const;
    double polished(const LevelCrossing& crossing) const;
    double accelerationNear(double jdUt) const;

    LongitudeSource source_;
    PositionSource position_;
    PolishRule polish_;
    double step_ = 0.0;
    std::pair<double, double> reach_{-HUGE_VAL, HUGE_VAL};  // where crossings count
    std::vector<double> jd_;
    std::vector<double> unwrapped_;  // longitudes with the whole circles kept
    std::vector<double> speed_;
    // Crossings already solved on the source: one orb edge serves every pass between its
    // entry and its exit, and levels met by several aspects (to the two nodes) coincide.
    mutable std::map<std::pair<double, double>, double> solved_;
};

}  // namespace helion
