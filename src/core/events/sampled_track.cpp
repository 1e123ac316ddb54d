#include "core/events/sampled_track.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
// The cubic's roots are solved far below a second; the source's to a tenth of one.
constexpr double kCubicTolerance = 1e-9;
constexpr double kTouchDeg = 1e-9;
constexpr double kPolishTolerance = 0.1 * kSecond;
constexpr int kPolishSteps = 8;
constexpr int kSharpenSteps = 4;
constexpr double kSharpenReach = 0.1;  // of a step
// A Newton step whose own error is predicted below a hundredth of a second is taken as
// it lands; the acceleration read off the samples is taken this many times larger.
constexpr double kAcceptedError = 0.01 * kSecond;
constexpr double kAccelerationMargin = 10.0;
// How far the samples' motion at a crossing may be from the ephemeris's (degrees a day).
constexpr double kSpeedDoubt = 1e-5;
constexpr int kStationSteps = 100;

struct Cubic {
    double c0, c1, c2, c3;  // in the step's own time s, 0..1
};

Cubic hermite(double p0, double p1, double m0, double m1) {
    const double d = p1 - p0;
    return {p0, m0, 3.0 * d - 2.0 * m0 - m1, m0 + m1 - 2.0 * d};
}

double valueOf(const Cubic& c, double s) { return c.c0 + s * (c.c1 + s * (c.c2 + s * c.c3)); }
double slopeOf(const Cubic& c, double s) { return c.c1 + s * (2.0 * c.c2 + s * 3.0 * c.c3); }

// The turning points of the cubic strictly inside (0, 1), in order.
struct Turns {
    std::array<double, 2> s{};
    std::size_t count = 0;
};

Turns turningPoints(const Cubic& c) {
    const double a = 3.0 * c.c3, b = 2.0 * c.c2, k = c.c1;
    Turns turns;
    const auto keep = [&](double s) {
        if (s > 0.0 && s < 1.0) turns.s[turns.count++] = s;
    };
    if (std::fabs(a) < 1e-15) {
        if (std::fabs(b) > 1e-15) keep(-k / b);
    } else {
        const double discriminant = b * b - 4.0 * a * k;
        if (discriminant > 0.0) {
            const double root = std::sqrt(discriminant);
            const double r1 = (-b - root) / (2.0 * a), r2 = (-b + root) / (2.0 * a);
            keep(std::min(r1, r2));
            keep(std::max(r1, r2));
        }
    }
    return turns;
}

// The root of a monotone stretch of the cubic: Newton's steps kept inside a shrinking
// bracket, from where the chord meets the level. Newton's steps close in from one side,
// so the bracket seldom shrinks to the tolerance: a step below it ends the search, the
// error after it being far smaller still.
double rootInPiece(const Cubic& c, double sFrom, double sTo, double target) {
    double lo = sFrom, hi = sTo;
    const double yFrom = valueOf(c, sFrom), yTo = valueOf(c, sTo);
    const bool rising = yTo > yFrom;
    double s = sFrom + (sTo - sFrom) * std::clamp((target - yFrom) / (yTo - yFrom), 0.0, 1.0);
    for (int i = 0; i < 60 && hi - lo > kCubicTolerance; ++i) {
        const double f = valueOf(c, s) - target;
        if (f == 0.0) return s;
        if ((f < 0.0) == rising) {
            lo = s;
        } else {
            hi = s;
        }
        const double slope = slopeOf(c, s);
        const double next = slope != 0.0 ? s - f / slope : lo - 1.0;
        const bool inside = next > lo && next < hi;
        if (inside && std::fabs(next - s) < kCubicTolerance) return next;
        s = inside ? next : 0.5 * (lo + hi);
    }
    return s;
}

// Equal steps no longer than the plan's from its start to its end; or, on the shared
// lattice, whole multiples of the step from the last at or before the start to the first
// at or after the end, so that steps dividing one another (half a day, one, two, four
// days) fall on moments the library works out only once.
std::vector<double> momentsOf(const TrackPlan& plan) {
    std::vector<double> moments;
    if (plan.onSharedLattice) {
        const double first = std::floor(plan.fromJd / plan.stepDays);
        const double last = std::max(first + 1.0, std::ceil(plan.toJd / plan.stepDays));
        for (double k = first; k <= last; k += 1.0) moments.push_back(k * plan.stepDays);
        return moments;
    }
    const double span = plan.toJd - plan.fromJd;
    const auto steps = static_cast<std::size_t>(std::max(1.0, std::ceil(span / plan.stepDays)));
    const double step = span / static_cast<double>(steps);
    for (std::size_t i = 0; i < steps; ++i) moments.push_back(plan.fromJd + step * static_cast<double>(i));
    moments.push_back(plan.toJd);
    return moments;
}

}  // namespace

std::vector<SampledTrack> sampleTogether(const std::vector<TrackPlan>& plans) {
    struct Ask {
        double jd;
        std::size_t plan;
        std::size_t sample;
    };
    std::vector<std::vector<double>> moments;
    std::vector<Ask> asks;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        moments.push_back(momentsOf(plans[k]));
        for (std::size_t i = 0; i < moments.back().size(); ++i) asks.push_back({moments.back()[i], k, i});
    }
    std::stable_sort(asks.begin(), asks.end(), [](const Ask& a, const Ask& b) { return a.jd < b.jd; });
    std::vector<std::vector<LongitudeAndSpeed>> samples(plans.size());
    for (std::size_t k = 0; k < plans.size(); ++k) samples[k].resize(moments[k].size());
    for (const Ask& ask : asks) samples[ask.plan][ask.sample] = plans[ask.plan].source(ask.jd);
    std::vector<SampledTrack> tracks;
    for (std::size_t k = 0; k < plans.size(); ++k)
        tracks.push_back(SampledTrack(plans[k], std::move(moments[k]), samples[k]));
    return tracks;
}

SampledTrack::SampledTrack(const TrackPlan& plan, std::vector<double> moments,
                           std::span<const LongitudeAndSpeed> samples)
    : source_(plan.source), position_(plan.position), polish_(plan.polish), jd_(std::move(moments)) {
    step_ = (jd_.back() - jd_.front()) / static_cast<double>(jd_.size() - 1);
    // Beyond the plan's ends the lattice reaches less than a step: no crossing there.
    if (plan.onSharedLattice) reach_ = {plan.fromJd, plan.toJd};
    for (const LongitudeAndSpeed& p : samples) {
        const double longitude = unwrapped_.empty()
                                     ? p.longitudeDeg
                                     : unwrapped_.back() + wrap180(p.longitudeDeg - normalize360(unwrapped_.back()));
        unwrapped_.push_back(longitude);
        speed_.push_back(p.speedDegPerDay);
    }
}

LevelSet::LevelSet(std::span<const double> levelsDeg) {
    std::vector<std::pair<double, std::size_t>> byValue(levelsDeg.size());
    for (std::size_t k = 0; k < levelsDeg.size(); ++k) byValue[k] = {normalize360(levelsDeg[k]), k};
    std::sort(byValue.begin(), byValue.end());
    sorted_.resize(byValue.size());
    order_.resize(byValue.size());
    for (std::size_t k = 0; k < byValue.size(); ++k) std::tie(sorted_[k], order_[k]) = byValue[k];
}

std::vector<LevelCrossing> SampledTrack::crossings(const LevelSet& levels) const {
    std::vector<LevelCrossing> out;
    for (std::size_t i = 0; i + 1 < jd_.size(); ++i) {
        const Cubic c = hermite(unwrapped_[i], unwrapped_[i + 1], speed_[i] * step_, speed_[i + 1] * step_);
        double s = 0.0;
        const Turns turns = turningPoints(c);
        for (std::size_t t = 0; t < turns.count; ++t) {
            addPieceCrossings(i, s, turns.s[t], levels, out);
            s = turns.s[t];
        }
        addPieceCrossings(i, s, 1.0, levels, out);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const LevelCrossing& a, const LevelCrossing& b) { return a.jdUt < b.jdUt; });
    return out;
}

// A level counts once where the piece reaches it: rising pieces take the levels above
// their start up to their end, falling pieces those below their start down to their
// end. A level met exactly at a sample, or touched at a turn, is counted once; a turn
// that overshoots a level by a rounding error touches it too.
void SampledTrack::addPieceCrossings(std::size_t i, double sFrom, double sTo, const LevelSet& levels,
                                     std::vector<LevelCrossing>& out) const {
    const std::span<const double> sortedLevels = levels.sortedDeg();
    const Cubic c = hermite(unwrapped_[i], unwrapped_[i + 1], speed_[i] * step_, speed_[i + 1] * step_);
    const double ya = valueOf(c, sFrom), yb = valueOf(c, sTo);
    if (ya == yb) return;
    const bool rising = yb > ya;
    const double lo = std::min(ya, yb), hi = std::max(ya, yb);
    const bool afterTurn = sFrom > 0.0;
    const auto bound = [&](double value) {
        return rising ? std::upper_bound(sortedLevels.begin(), sortedLevels.end(), value)
                      : std::lower_bound(sortedLevels.begin(), sortedLevels.end(), value);
    };
    for (double circle = std::floor(lo / 360.0); circle <= std::floor(hi / 360.0); circle += 1.0) {
        const double base = 360.0 * circle;
        auto first = bound(lo - base);
        const auto last = bound(hi - base);
        for (; first != last; ++first) {
            const double target = *first + base;
            if (afterTurn && std::fabs(target - ya) < kTouchDeg) continue;
            const double s = rootInPiece(c, sFrom, sTo, target);
            const double jd = jd_[i] + s * step_;
            if (jd < reach_.first || jd > reach_.second) continue;
            LevelCrossing crossing;
            crossing.level = levels.asked(static_cast<std::size_t>(first - sortedLevels.begin()));
            crossing.jdUt = jd;
            crossing.unwrappedDeg = target;
            crossing.speedDegPerDay = slopeOf(c, s) / step_;
            out.push_back(crossing);
        }
    }
}

double SampledTrack::moment(const LevelCrossing& c) const {
    if (!polish_ || !polish_(c.jdUt, c.unwrappedDeg, c.speedDegPerDay)) return sharpened(c).jd;
    const auto [known, fresh] = solved_.try_emplace({c.jdUt, c.unwrappedDeg}, 0.0);
    if (fresh) known->second = polished(c);
    return known->second;
}

bool SampledTrack::mayFallWithin(const LevelCrossing& c, double fromJd, double toJd) const {
    return c.jdUt >= fromJd - step_ && c.jdUt < toJd + step_;
}

std::optional<double> SampledTrack::momentWithin(const LevelCrossing& c, double fromJd, double toJd) const {
    if (!mayFallWithin(c, fromJd, toJd)) return std::nullopt;
    const double jd = moment(c);
    if (jd < fromJd || jd >= toJd) return std::nullopt;
    return jd;
}

// The polynomial of degree 7 that matches the longitude and the motion at the four
// samples around a moment follows the point far closer than the cubic of the two around
// it (its error shrinks with the eighth power of the step, not the fourth). Newton's
// form over the nodes 0, 0, 1, 1, 2, 2, 3, 3, in steps from the first sample.
struct SampledTrack::Septic {
    static constexpr int kTerms = 8;
    std::size_t first = 0;
    std::array<double, kTerms> q{};

    static double node(int k) { return static_cast<double>(k / 2); }
    // The value, slope and curvature at s (in steps from the first sample).
    std::array<double, 3> at(double s) const {
        double value = q[kTerms - 1], slope = 0.0, curvature = 0.0;
        for (int k = kTerms - 2; k >= 0; --k) {
            const double x = s - node(k);
            curvature = curvature * x + 2.0 * slope;
            slope = slope * x + value;
            value = value * x + q[static_cast<std::size_t>(k)];
        }
        return {value, slope, curvature};
    }
};

std::optional<SampledTrack::Septic> SampledTrack::septicAround(double jdUt) const {
    constexpr int kNodes = Septic::kTerms / 2;
    if (jd_.size() < static_cast<std::size_t>(kNodes)) return std::nullopt;
    const auto interval = static_cast<std::ptrdiff_t>(std::floor((jdUt - jd_.front()) / step_));
    Septic p;
    p.first = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(interval - 1, 0, std::ssize(jd_) - kNodes));
    for (int k = 0; k < Septic::kTerms; ++k)
        p.q[static_cast<std::size_t>(k)] = unwrapped_[p.first + static_cast<std::size_t>(k / 2)];
    for (int order = 1; order < Septic::kTerms; ++order) {
        for (int k = Septic::kTerms - 1; k >= order; --k) {
            const auto K = static_cast<std::size_t>(k);
            p.q[K] = Septic::node(k) == Septic::node(k - order)
                         ? speed_[p.first + K / 2] * step_
                         : (p.q[K] - p.q[K - 1]) / (Septic::node(k) - Septic::node(k - order));
        }
    }
    return p;
}

// Newton's steps on the polynomial move the cubic's answer to where the samples put it.
// Near the track's ends, or where the steps wander (a grazing pass), the cubic's stays.
SampledTrack::Estimate SampledTrack::sharpened(const LevelCrossing& c) const {
    const Estimate cubic{c.jdUt, c.speedDegPerDay};
    const std::optional<Septic> p = septicAround(c.jdUt);
    if (!p) return cubic;
    const double origin = jd_[p->first];
    double s = (c.jdUt - origin) / step_;
    for (int i = 0; i < kSharpenSteps; ++i) {
        const auto [value, slope, curvature] = p->at(s);
        if (slope == 0.0) return cubic;
        const double step = (value - c.unwrappedDeg) / slope;
        s -= step;
        if (std::fabs(origin + s * step_ - c.jdUt) > kSharpenReach * step_) return cubic;
        if (std::fabs(step) * step_ < kCubicTolerance) return {origin + s * step_, slope / step_};
    }
    return cubic;
}

// Newton's steps on the source from the sharpened answer; an answer that wanders off (a
// grazing pass the source does not quite make) keeps the cubic's. Newton's error after a
// step of length h is about a h^2 / 2v (a the acceleration, v the speed), and h dv / v
// more where the speed used is dv off: once that is far below the tolerance, the step's
// landing is taken without a call to confirm it. The first step takes the longitude
// alone, which costs the library less, with the speed the samples give.
double SampledTrack::polished(const LevelCrossing& c) const {
    const double acceleration = accelerationNear(c.jdUt);
    const Estimate start = sharpened(c);
    double jd = start.jd;
    const auto stepped = [&](double longitudeDeg, double speed, double speedDoubt) {
        const double step = wrap180(normalize360(longitudeDeg) - normalize360(c.unwrappedDeg)) / speed;
        jd -= step;
        const double error = (acceleration * std::fabs(step) / 2.0 + speedDoubt) * std::fabs(step) / std::fabs(speed);
        return std::fabs(step) < kPolishTolerance || error < kAcceptedError;
    };
    if (position_ && start.speedDegPerDay != 0.0) {
        const bool done = stepped(position_(jd), start.speedDegPerDay, kSpeedDoubt);
        if (std::fabs(jd - c.jdUt) > step_) return c.jdUt;
        if (done) return jd;
    }
    for (int i = 0; i < kPolishSteps; ++i) {
        const LongitudeAndSpeed p = source_(jd);
        if (p.speedDegPerDay == 0.0) return c.jdUt;
        const bool done = stepped(p.longitudeDeg, p.speedDegPerDay, 0.0);
        if (std::fabs(jd - c.jdUt) > step_) return c.jdUt;
        if (done) return jd;
    }
    return c.jdUt;
}

// The largest change of speed a day between the samples around the moment, with room for
// the bend the samples do not show.
double SampledTrack::accelerationNear(double jdUt) const {
    const auto after = std::upper_bound(jd_.begin(), jd_.end(), jdUt);
    const auto i = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(after - jd_.begin(), 1, std::ssize(jd_) - 1));
    double most = std::fabs(speed_[i] - speed_[i - 1]);
    if (i >= 2) most = std::max(most, std::fabs(speed_[i - 1] - speed_[i - 2]));
    if (i + 1 < jd_.size()) most = std::max(most, std::fabs(speed_[i + 1] - speed_[i]));
    return kAccelerationMargin * most / step_;
}

// Newton's steps on the source's motion, from where the polynomial of the samples turns
// and with its curvature for the acceleration, kept inside the samples' bracket. The
// polynomial's turn is off by seconds, so a step or two land within a tenth of one.
std::vector<Station> SampledTrack::stations(double fromJd, double toJd) const {
    std::vector<Station> out;
    for (std::size_t i = 0; i + 1 < jd_.size(); ++i) {
        if ((speed_[i] < 0.0) == (speed_[i + 1] < 0.0) || jd_[i + 1] < fromJd || jd_[i] >= toJd) continue;
        const std::optional<Septic> p = septicAround(0.5 * (jd_[i] + jd_[i + 1]));
        const double origin = p ? jd_[p->first] : jd_[i];
        const auto curvatureAt = [&](double jd) { return p ? p->at((jd - origin) / step_)[2] / (step_ * step_) : 0.0; };
        double lo = jd_[i], hi = jd_[i + 1];
        const bool loNegative = speed_[i] < 0.0;
        // The polynomial's own turn, then the source's.
        double jd = (lo * speed_[i + 1] - hi * speed_[i]) / (speed_[i + 1] - speed_[i]);
        const auto newtonStep = [&](double speed, double at) {
            const double curvature = curvatureAt(at);
            const double next = curvature != 0.0 ? at - speed / curvature : 0.5 * (lo + hi);
            return next > lo && next < hi ? next : 0.5 * (lo + hi);
        };
        for (int k = 0; p && k < kSharpenSteps; ++k) jd = newtonStep(p->at((jd - origin) / step_)[1] / step_, jd);
        for (int k = 0; k < kStationSteps && hi - lo > kPolishTolerance; ++k) {
            const double speed = source_(jd).speedDegPerDay;
            if (speed == 0.0) break;
            ((speed < 0.0) == loNegative ? lo : hi) = jd;
            const double next = newtonStep(speed, jd);
            const bool settled = std::fabs(next - jd) < kPolishTolerance;
            jd = next;
            if (settled) break;
        }
        const double longitude = p ? p->at((jd - origin) / step_)[0] : unwrapped_[i];
        out.push_back({jd, speed_[i + 1] < 0.0, normalize360(longitude)});
    }
    return out;
}

}  // namespace helion
