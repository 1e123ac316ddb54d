#pragma once
// New and full moons found on the Moon's distance ahead of the Sun, and the eclipses the
// ephemeris library finds, each with the natal points close to it.

#include <vector>

#include "core/astro/eclipse_search.h"
#include "core/astro/ephemeris.h"
#include "core/events/event_scan.h"

namespace helion {

// Natal points within this many degrees of a lunation or an eclipse are named with it.
inline constexpr double kLunationNearDeg = 3.0;

// The new and full moons on the track of the Moon's phase (see moonPhase).
void addLunationEvents(const SampledTrack& phase, const Ephemeris& ephemeris, const NatalTargets& targets,
                       const EventPeriod& period, std::vector<Event>& events);

void addEclipseEvents(const EclipseSearch& eclipses, const Ephemeris& ephemeris, const NatalTargets& targets,
                      const EventPeriod& period, std::vector<Event>& events);

}  // namespace helion
