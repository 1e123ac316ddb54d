#include <cmath>

#include "core/aspects/aspect_kinds.h"
#include "core/astro/angles.h"
#include "core/events/event_scan.h"

namespace helion {
namespace {

// An aspect point's levels: the exact longitude, then its orb's two edges.
constexpr std::size_t kLevelsPerAspect = 3;

std::vector<AspectPoint> aspectPoints(const NatalTargets& targets, const OrbTable& orbs) {
    std::vector<AspectPoint> points;
    for (const Point target : targets.points) {
        for (Aspect aspect : kAspects) {
            const double orb = orbs.orb(aspect);
            if (isDeclinationAspect(aspect) || orb <= 0.0) continue;
            const double angle = aspectAngle(aspect);
            const double natal = targets.longitude[target];
            points.push_back({target, aspect, normalize360(natal + angle), orb});
            if (angle != 0.0 && angle != 180.0) points.push_back({target, aspect, normalize360(natal - angle), orb});
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

// A hit of an aspect point and the orb edges crossed either side of it, as indexes into
// the track's crossings.
struct Hit {
    std::size_t aspect;
    std::size_t exact;
    std::optional<std::size_t> enter, leave;
    int pass;
};

// The hits of one aspect point (its crossings' indexes, in time order) that may fall in
// the period, numbered by pass, each with the last edge before it and the first after.
void collectHits(const SampledTrack& track, const std::vector<LevelCrossing>& crossings, std::size_t aspect,
                 const std::vector<std::size_t>& indexes, const EventPeriod& period, std::vector<Hit>& hits) {
    int pass = 0;
    std::optional<double> lastHitDeg;
    std::optional<std::size_t> lastEdge;
    std::size_t awaitingLeave = hits.size();
    for (const std::size_t i : indexes) {
        const LevelCrossing& c = crossings[i];
        if (!isExact(c)) {
            lastEdge = i;
            for (; awaitingLeave < hits.size(); ++awaitingLeave) hits[awaitingLeave].leave = i;
            continue;
        }
        // Hits on the same circle follow one another without a whole round between them.
        pass = lastHitDeg && *lastHitDeg == c.unwrappedDeg ? pass + 1 : 1;
        lastHitDeg = c.unwrappedDeg;
        if (track.mayFallWithin(c, period.fromJdUt, period.toJdUt)) hits.push_back({aspect, i, lastEdge, {}, pass});
    }
}

}  // namespace

AspectLevels aspectLevels(const NatalTargets& targets, const OrbTable& orbs) {
    std::vector<AspectPoint> points = aspectPoints(targets, orbs);
    const std::vector<double> levels = levelsOf(points);
    return {std::move(points), LevelSet(levels)};
}

void addAspectEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets,
                     const AspectLevels& aspects, const EventPeriod& period, std::vector<Event>& events) {
    const std::vector<LevelCrossing> crossings = track.crossings(aspects.levels);
    std::vector<std::vector<std::size_t>> byAspect(aspects.points.size());
    for (std::size_t i = 0; i < crossings.size(); ++i) byAspect[crossings[i].level / kLevelsPerAspect].push_back(i);
    std::vector<Hit> hits;
    for (std::size_t a = 0; a < aspects.points.size(); ++a) collectHits(track, crossings, a, byAspect[a], period, hits);

    // The crossings the hits need, solved in time order: the ephemeris library then keeps
    // to the stretch of its files it has read instead of going back and forth.
    std::vector<char> needed(crossings.size(), 0);
    for (const Hit& h : hits) {
        needed[h.exact] = 1;
        if (h.enter) needed[*h.enter] = 1;
        if (h.leave) needed[*h.leave] = 1;
    }
    std::vector<double> moment(crossings.size(), 0.0);
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        if (needed[i] != 0) moment[i] = track.moment(crossings[i]);
    }

    for (const Hit& h : hits) {
        const double jd = moment[h.exact];
        if (jd < period.fromJdUt || jd >= period.toJdUt) continue;
        const AspectPoint& aspect = aspects.points[h.aspect];
        Event e;
        e.kind = EventKind::Aspect;
        e.mover = point.mover;
        e.body = point.body;
        e.aspect = aspect.aspect;
        e.target = aspect.target;
        e.jdUt = jd;
        e.pass = h.pass;
        if (h.enter) e.enterJdUt = moment[*h.enter];
        if (h.leave) e.leaveJdUt = moment[*h.leave];
        e.retrograde = crossings[h.exact].speedDegPerDay < 0.0;
        placeEvent(e, aspect.exactDeg, targets.cusp);
        events.push_back(std::move(e));
    }
}

}  // namespace helion
