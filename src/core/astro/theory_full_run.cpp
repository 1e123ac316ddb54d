// One moment of the internal theory: every body in point order, with declinations.

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"

namespace helion::theory {
namespace {

// Declination of a point at ecliptic longitude and latitude: rotate the ecliptic
// direction about the equinox line by the obliquity.
struct EquatorRotation {
    double cosObliquity;
    double sinObliquity;

    double declination(double longitudeDeg, double latitudeDeg) const {
        const double cosLat = cosDeg(latitudeDeg);
        const double sinLat = sinDeg(latitudeDeg);
        const double x = cosLat * cosDeg(longitudeDeg);
        const double yEcliptic = cosLat * sinDeg(longitudeDeg);
        const double y = yEcliptic * cosObliquity - sinLat * sinObliquity;
        const double z = yEcliptic * sinObliquity + sinLat * cosObliquity;
        return rectToSpherical(x, y, z).declinationDeg;
    }
};

}  // namespace

TheoryPositions fullRun(double t, double obliquityDeg) {
    TheoryPositions out;
    const EquatorRotation toEquator{cosDeg(obliquityDeg), sinDeg(obliquityDeg)};
    auto place = [&](int index, double longitudeDeg, double latitudeDeg) {
        const auto i = static_cast<std::size_t>(index);
        out.longitude[i] = normalize360(longitudeDeg);
        out.latitude[i] = latitudeDeg;
        out.declination[i] = toEquator.declination(out.longitude[i], latitudeDeg);
    };

    place(point::Sun, solarLongitude(t), 0.0);
    const std::array<EclipticPosition, 10> planets = planetPositions(t);
    for (int planet = point::Mercury; planet <= point::Pluto; ++planet) {
        const EclipticPosition& p = planets[static_cast<std::size_t>(planet)];
        place(planet, p.longitudeDeg, p.latitudeDeg);
    }
    place(point::Moon, lunarLongitude(t), lunarLatitude(t));

    auto placeNode = [&](int index, double longitudeDeg) {
        const auto i = static_cast<std::size_t>(index);
        out.longitude[i] = longitudeDeg;
        out.declination[i] = eclipticDeclination(longitudeDeg, obliquityDeg);
    };
    const NodeLongitudes nodes = meanNodes(t);
    placeNode(point::NorthNode, nodes.north);
    placeNode(point::SouthNode, nodes.south);
    return out;
}

}  // namespace helion::theory
