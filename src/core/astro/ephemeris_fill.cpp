#include "core/astro/ephemeris_fill.h"

#include <algorithm>

namespace helion {

BodyPositions fillEphemeris(const Ephemeris& ephemeris, double jdUt) {
    BodyPositions p;
    const auto longitude = [&](int body) {
        const LongitudeAndSpeed l = ephemeris.longitude(jdUt, body);
        p.reach = std::max(p.reach, l.reach);
        return l;
    };
    p.longitude[point::Sun] = longitude(body::Sun).longitudeDeg;
    p.declination[point::Sun] = ephemeris.declination(jdUt, body::Sun);
    for (int planet = point::Mercury; planet <= point::Pluto; ++planet) {
        const LongitudeAndSpeed l = longitude(planet);
        p.longitude[planet] = l.longitudeDeg;
        if (l.speedDegPerDay < 0.0) p.retrograde[planet] = true;
        p.declination[planet] = ephemeris.declination(jdUt, planet);
    }
    p.longitude[point::Moon] = longitude(body::Moon).longitudeDeg;
    p.declination[point::Moon] = ephemeris.declination(jdUt, body::Moon);
    return p;
}

}  // namespace helion
