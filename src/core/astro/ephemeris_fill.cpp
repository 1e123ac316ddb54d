#include "core/astro/ephemeris_fill.h"

namespace helion {

BodyPositions fillEphemeris(const Ephemeris& ephemeris, double jdUt) {
    BodyPositions p;
    p.longitude[point::Sun] = ephemeris.longitude(jdUt, body::Sun).longitudeDeg;
    p.declination[point::Sun] = ephemeris.declination(jdUt, body::Sun);
    for (int planet = point::Mercury; planet <= point::Pluto; ++planet) {
        const LongitudeAndSpeed l = ephemeris.longitude(jdUt, planet);
        p.longitude[planet] = l.longitudeDeg;
        if (l.speedDegPerDay < 0.0) p.retrograde[planet] = true;
        p.declination[planet] = ephemeris.declination(jdUt, planet);
    }
    p.longitude[point::Moon] = ephemeris.longitude(jdUt, body::Moon).longitudeDeg;
    p.declination[point::Moon] = ephemeris.declination(jdUt, body::Moon);
    return p;
}

}  // namespace helion
