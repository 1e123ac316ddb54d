#include <cmath>

#include "core/aspects/aspect_kinds.h"
#include "core/astro/angles.h"
#include "core/events/event_scan.h"

namespace helion {
namespace {

// One longitude at which the moving point makes an aspect to a natal point.
struct AspectPoint {
    Point target;
    int code;
    double exactDeg;
    double orbDeg;
};

// Each aspect point gives three levels: the exact longitude, then its orb's two edges.
constexpr std::size_t kLevelsPerAspect = 3;

std::vector<AspectPoint> aspectPoints(const NatalTargets& targets, const OrbTable& orbs) {
    std::vector<AspectPoint> points;
    for (const Point target : targets.points) {
        for (int code = code::Conjunct; code <= code::kLastCode; ++code) {
            const double orb = orbs.orb[static_cast<std::size_t>(orbEntry(code))];
            if (isDeclinationAspect(code) || orb <= 0.0) continue;
            const double angle = aspectAngle(code);
            const double natal = targets.longitude[target];
            points.push_back({target, code, normalize360(natal + angle), orb});
            if (angle != 0.0 && angle != 180.0) points.push_back({target, code, normalize360(natal - angle), orb});
        }
    }
    return points;
}

std::vector<double> levelsOf(const std::vector<AspectPoint>& points) {
    std::vector<double> levels;
    levels.reserve(points.size() * kLevelsPerAspect);
    for (const AspectPoint& p : points) {
        levels.push_back(p.exactDeg);
        levels.push_back(p.exactDeg - p.orbDeg);
        levels.push_back(p.exactDeg + p.orbDeg);
    }
    return levels;
}

bool isExact(const LevelCrossing& c) { return c.level % kLevelsPerAspect == 0; }

// The hits of one aspect point in time order, with the orb edges crossed between them.
// Only the hits in the period and their edges are solved on the source.
void addHits(const SampledTrack& track, const std::vector<LevelCrossing>& crossings, const AspectPoint& aspect,
             const MovingPoint& point, const NatalTargets& targets, const EventPeriod& period,
             std::vector<Event>& events) {
    int pass = 0;
    std::optional<double> lastHitDeg;
    for (std::size_t k = 0; k < crossings.size(); ++k) {
        const LevelCrossing& hit = crossings[k];
        if (!isExact(hit)) continue;
        // Hits on the same circle follow one another without a whole round between them.
        pass = lastHitDeg && *lastHitDeg == hit.unwrappedDeg ? pass + 1 : 1;
        lastHitDeg = hit.unwrappedDeg;
        const std::optional<double> jd = track.momentWithin(hit, period.fromJdUt, period.toJdUt);
        if (!jd) continue;
        Event e;
        e.kind = EventKind::Aspect;
        e.mover = point.mover;
        e.body = point.body;
        e.aspect = aspect.code;
        e.target = aspect.target;
        e.jdUt = *jd;
        e.pass = pass;
        for (std::size_t j = k; j-- > 0;) {
            if (!isExact(crossings[j])) {
                e.enterJdUt = track.moment(crossings[j]);
                break;
            }
        }
        for (std::size_t j = k + 1; j < crossings.size(); ++j) {
            if (!isExact(crossings[j])) {
                e.leaveJdUt = track.moment(crossings[j]);
                break;
            }
        }
        e.retrograde = hit.speedDegPerDay < 0.0;
        placeEvent(e, aspect.exactDeg, targets.cusp);
        events.push_back(std::move(e));
    }
}

}  // namespace

void addAspectEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets,
                     const OrbTable& orbs, const EventPeriod& period, std::vector<Event>& events) {
    const std::vector<AspectPoint> aspects = aspectPoints(targets, orbs);
    const std::vector<double> levels = levelsOf(aspects);
    std::vector<std::vector<LevelCrossing>> byAspect(aspects.size());
    for (const LevelCrossing& c : track.crossings(levels)) byAspect[c.level / kLevelsPerAspect].push_back(c);
    for (std::size_t a = 0; a < aspects.size(); ++a)
        addHits(track, byAspect[a], aspects[a], point, targets, period, events);
}

}  // namespace helion
