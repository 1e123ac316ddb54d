#pragma once
// What the aspect, ingress and station scans of one moving point share: the period, the
// natal chart they are measured against, and the list they add to.

#include <vector>

#include "core/astro/points.h"
#include "core/config/orb_file.h"
#include "core/events/event.h"
#include "core/events/event_period.h"
#include "core/events/moving_points.h"
#include "core/events/sampled_track.h"

namespace helion {

struct NatalTargets {
    PointTable longitude{};
    CuspTable cusp{};
    std::vector<Point> points;  // the natal points aspected
};

// The sign (1 Aries .. 12 Pisces) and natal house of a longitude.
int signOf(double longitudeDeg);
int natalHouseOf(double longitudeDeg, const CuspTable& cusp);

// The event's longitude, sign and house from the moving point's longitude.
void placeEvent(Event& event, double longitudeDeg, const CuspTable& cusp);

// One longitude at which a moving point makes an aspect to a natal point.
struct AspectPoint {
    Point target;
    Aspect aspect;
    double exactDeg;
    double orbDeg;
};

// The aspect points of an orb table to the targets, each giving three levels (the exact
// longitude, then its orb's two edges), worked out once for all the moving points.
// Aspects whose orb is 0 and the parallel are left out.
struct AspectLevels {
    std::vector<AspectPoint> points;
    LevelSet levels;
};
AspectLevels aspectLevels(const NatalTargets& targets, const OrbTable& orbs);

// Every exact aspect of the moving point to the targets within the period, with its
// pass and its orb period.
void addAspectEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets,
                     const AspectLevels& aspects, const EventPeriod& period, std::vector<Event>& events);

// The moving point's entries into the signs, or into the natal houses.
void addIngressEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets, EventKind kind,
                      const EventPeriod& period, std::vector<Event>& events);

void addStationEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets,
                      const EventPeriod& period, std::vector<Event>& events);

}  // namespace helion
