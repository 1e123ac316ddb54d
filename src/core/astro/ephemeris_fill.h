#pragma once

#include "core/astro/ephemeris.h"
#include "core/astro/points.h"

namespace helion {

// Sun, planets and Moon of one moment: longitude and declination of the bodies Sun .. Moon
// and the retrograde flags (set for each planet moving backwards; the Sun and the Moon
// never are, and a planet standing still is not).
struct BodyPositions {
    PointTable longitude{};
    PointTable declination{};
    PointFlags retrograde{};
    EphemerisReach reach = EphemerisReach::Files;  // the worst of the bodies
};

BodyPositions fillEphemeris(const Ephemeris& ephemeris, double jdUt);

}  // namespace helion
