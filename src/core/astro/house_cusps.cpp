#include "core/astro/houses.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/astro/angles.h"

namespace helion {
namespace {

// Near the polar circles the semi-arc and ascensional-difference formulas ask for the
// arcsine or arccosine of values beyond 1; clamping keeps the cusps finite there.
double clampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

// Longitude (degrees) of the ecliptic point whose oblique ascension is ascensionRad under
// a pole of tangent poleTangent. A pole of 0 turns right ascension into longitude.
double eclipticPointAt(double ascensionRad, double poleTangent, double obliquityDeg) {
    const double y = std::sin(ascensionRad);
    const double x = std::cos(ascensionRad) * cosDeg(obliquityDeg) - poleTangent * sinDeg(obliquityDeg);
    double longitude = radToDeg(std::atan(y / x));
    if (longitude < 0.0) longitude += 180.0;
    if (y < 0.0) longitude += 180.0;
    return longitude;
}

void addOppositeCusps(NaturalCusps& house) {
    for (int i = 1; i <= 6; ++i) house[i + 6] = house[i] + 180.0;
}

// Placidus: the 11th and 12th cusps lie a third and two thirds of their diurnal semi-arc
// east of the meridian, the 3rd and 2nd likewise of their nocturnal semi-arc east of the
// lower meridian. The semi-arc depends on the cusp itself, hence the iteration.
struct SemiArcDivision {
    double startOffsetDeg;
    double divisor;
    bool aboveHorizon;
};

constexpr double kSemiArcTolerance = 1e-12;  // radians
constexpr int kMaxSemiArcIterations = 100;

double placidusCusp(const HouseAngles& angles, SemiArcDivision division) {
    const double ramc = degToRad(angles.ramcDeg);
    const double tanProduct = tanDeg(angles.obliquityDeg) * tanDeg(angles.latitudeDeg);
    double ascension = ramc + degToRad(division.startOffsetDeg);
    for (int i = 0; i < kMaxSemiArcIterations; ++i) {
        const double x = std::sin(ascension) * tanProduct;
        double semiArc = arcCos(clampUnit(division.aboveHorizon ? -x : x));
        if (std::signbit(semiArc)) semiArc += kPi;  // arcCos(-1) comes back as -0
        const double next =
            division.aboveHorizon ? ramc + semiArc / division.divisor : ramc + kPi - semiArc / division.divisor;
        const bool settled = std::fabs(next - ascension) < kSemiArcTolerance;
        ascension = next;
        if (settled) break;
    }
    return eclipticPointAt(ascension, 0.0, angles.obliquityDeg);
}

NaturalCusps placidusCusps(const HouseAngles& angles) {
    NaturalCusps house{};
    house[1] = angles.ascendantDeg;
    house[4] = angles.midheavenDeg + 180.0;
    const double cusp11 = placidusCusp(angles, {30.0, 3.0, true});
    const double cusp12 = placidusCusp(angles, {60.0, 1.5, true});
    house[2] = placidusCusp(angles, {120.0, 1.5, false});
    house[3] = placidusCusp(angles, {150.0, 3.0, false});
    house[5] = cusp11 + 180.0;
    house[6] = cusp12 + 180.0;
    addOppositeCusps(house);
    return house;
}

// Koch: each cusp rises where the Midheaven degree's ascensional difference, spread
// evenly over the quadrant, takes the oblique ascension.
NaturalCusps kochCusps(const HouseAngles& angles) {
    const double tanLatitude = tanDeg(angles.latitudeDeg);
    const double ascensionalDifference =
        radToDeg(arcSin(clampUnit(sinDeg(angles.ramcDeg) * tanLatitude * tanDeg(angles.obliquityDeg))));
    NaturalCusps house{};
    for (int i = 1; i <= 12; ++i) {
        const double offset = normalize360(30.0 * i + 60.0);
        const bool rising = offset < 180.0;
        const double steps = rising ? offset / 90.0 - 1.0 : offset / 90.0 - 3.0;
        const double ascension = normalize360(angles.ramcDeg + offset + steps * ascensionalDifference);
        house[i] = eclipticPointAt(degToRad(ascension), rising ? tanLatitude : -tanLatitude, angles.obliquityDeg);
    }
    return house;
}

// Porphyry: each quadrant between the angles split into three equal arcs.
NaturalCusps porphyryCusps(const HouseAngles& angles) {
    const double imumCoeli = normalize360(angles.midheavenDeg + 180.0);
    const double upperStep = normalize360(angles.ascendantDeg - angles.midheavenDeg) / 3.0;
    const double lowerStep = normalize360(imumCoeli - angles.ascendantDeg) / 3.0;
    NaturalCusps house{};
    house[1] = angles.ascendantDeg;
    house[2] = angles.ascendantDeg + lowerStep;
    house[3] = angles.ascendantDeg + 2.0 * lowerStep;
    house[4] = imumCoeli;
    house[5] = imumCoeli + upperStep;
    house[6] = imumCoeli + 2.0 * upperStep;
    addOppositeCusps(house);
    return house;
}

// Meridian: the equator divided into twelve equal arcs from the meridian, each carried to
// the ecliptic along its hour circle. The 1st cusp is the east point.
NaturalCusps meridianCusps(const HouseAngles& angles) {
    NaturalCusps house{};
    for (int i = 1; i <= 12; ++i) {
        house[i] = eclipticPointAt(degToRad(angles.ramcDeg + 30.0 * i + 60.0), 0.0, angles.obliquityDeg);
    }
    return house;
}

// Regiomontanus: the equator divided into twelve equal arcs, each carried to the ecliptic
// along the great circle through the north and south points of the horizon.
NaturalCusps regiomontanusCusps(const HouseAngles& angles) {
    const double tanLatitude = tanDeg(angles.latitudeDeg);
    NaturalCusps house{};
    for (int i = 1; i <= 12; ++i) {
        const double offset = 30.0 * i + 60.0;
        house[i] =
            eclipticPointAt(degToRad(angles.ramcDeg + offset), tanLatitude * sinDeg(offset), angles.obliquityDeg);
    }
    return house;
}

// Equal and Whole Sign: twelve houses of 30 degrees each, the first opening at the
// Ascendant (Equal) or at the beginning of the Ascendant's sign (Whole Sign).
NaturalCusps thirtyDegreeCusps(double firstCusp) {
    NaturalCusps house{};
    for (int i = 1; i <= 12; ++i) house[i] = firstCusp + 30.0 * (i - 1);
    return house;
}

// Campanus, Alcabitius and Topocentric come from the ephemeris library for the chart's
// own ARMC, obliquity and latitude (the library needs no stand-in for the equator). The
// angles stay the program's own, as in every other system.
NaturalCusps libraryCusps(HouseSystem system, const HouseAngles& angles, const Ephemeris& library) {
    const double latitude = angles.latitudeDeg == kEquatorLatitudeDeg ? 0.0 : angles.latitudeDeg;
    NaturalCusps house = library.housesAtArmc(system, angles.ramcDeg, latitude, angles.obliquityDeg);
    house[1] = angles.ascendantDeg;
    house[4] = angles.midheavenDeg + 180.0;
    house[7] = angles.ascendantDeg + 180.0;
    house[10] = angles.midheavenDeg;
    return house;
}

NaturalCusps naturalCusps(HouseSystem system, const HouseAngles& angles, const Ephemeris& library) {
    switch (system) {
        case HouseSystem::Placidus: return placidusCusps(angles);
        case HouseSystem::Koch: return kochCusps(angles);
        case HouseSystem::Porphyry: return porphyryCusps(angles);
        case HouseSystem::Meridian: return meridianCusps(angles);
        case HouseSystem::Equal: return thirtyDegreeCusps(angles.ascendantDeg);
        case HouseSystem::WholeSign: return thirtyDegreeCusps(30.0 * std::floor(angles.ascendantDeg / 30.0));
        case HouseSystem::Campanus:
        case HouseSystem::Alcabitius:
        case HouseSystem::Topocentric: return libraryCusps(system, angles, library);
        case HouseSystem::Regiomontanus: break;
    }
    return regiomontanusCusps(angles);
}

}  // namespace

HouseCusps computeCusps(HouseSystem system, const HouseAngles& angles, const Ephemeris& library) {
    const NaturalCusps house = naturalCusps(system, angles, library);
    HouseCusps result;
    // The cusp table starts at the 10th house.
    for (int entry = 1; entry <= 12; ++entry) {
        result.cusp[entry] = normalize360(house[(entry + 8) % 12 + 1]);
    }
    result.siderealSeconds = angles.siderealHours * 3600 + angles.siderealMinutes * 60 + angles.siderealSeconds;
    return result;
}

}  // namespace helion
