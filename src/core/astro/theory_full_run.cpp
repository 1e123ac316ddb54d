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
    auto place = [&](Point i, double longitudeDeg, double latitudeDeg) {
        out.longitude[i] = normalize360(longitudeDeg);
        out.latitude[i] = latitudeDeg;
        out.declination[i] = toEquator.declination(out.longitude[i], latitudeDeg);
    };

    place(Point::Sun, solarLongitude(t), 0.0);
    const PointArray<EclipticPosition> planets = planetPositions(t);
    for (const Point planet : kPlanets) {
        const EclipticPosition& p = planets[planet];
        place(planet, p.longitudeDeg, p.latitudeDeg);
    }
    place(Point::Moon, lunarLongitude(t), lunarLatitude(t));

    auto placeNode = [&](Point i, double longitudeDeg) {
        out.longitude[i] = longitudeDeg;
        out.declination[i] = eclipticDeclination(longitudeDeg, obliquityDeg);
    };
    const NodeLongitudes nodes = meanNodes(t);
    placeNode(Point::NorthNode, nodes.north);
    placeNode(Point::SouthNode, nodes.south);
    return out;
}

}  // namespace helion::theory
