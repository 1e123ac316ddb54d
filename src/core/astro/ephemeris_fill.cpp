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
    p.longitude[Point::Sun] = longitude(body::Sun).longitudeDeg;
    p.declination[Point::Sun] = ephemeris.declination(jdUt, body::Sun);
    for (const Point planet : kPlanets) {
        const LongitudeAndSpeed l = longitude(ephemerisBody(planet));
        p.longitude[planet] = l.longitudeDeg;
        if (l.speedDegPerDay < 0.0) p.retrograde[planet] = true;
        p.declination[planet] = ephemeris.declination(jdUt, ephemerisBody(planet));
    }
    p.longitude[Point::Moon] = longitude(body::Moon).longitudeDeg;
    p.declination[Point::Moon] = ephemeris.declination(jdUt, body::Moon);
    return p;
}

}  // namespace helion
