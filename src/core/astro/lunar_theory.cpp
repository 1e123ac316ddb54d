// The Moon after Meeus, Astronomical Formulae for Calculators: mean elements with their
// additive (Venus and node) terms, then the main periodic terms in longitude and
// latitude. Terms that hold the Sun's mean anomaly M are scaled by the Earth's
// eccentricity factor E once per multiple of M.

#include <array>
#include <cstdlib>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"

namespace helion::theory {
namespace {

// coefficient * sin(d D + m M + mp M' + f F), coefficient in degrees.
struct LunarTerm {
    int d;
    int m;
    int mp;
    int f;
    double coefficient;
};

constexpr std::array<LunarTerm, 50> kLongitudeTerms{{
    {0, 0, 1, 0, 6.288750},   {2, 0, -1, 0, 1.274018},  {2, 0, 0, 0, 0.658309},   {0, 0, 2, 0, 0.213616},
    {0, 1, 0, 0, -0.185596},  {0, 0, 0, 2, -0.114336},  {2, 0, -2, 0, 0.058793},  {2, -1, -1, 0, 0.057212},
    {2, 0, 1, 0, 0.053320},   {2, -1, 0, 0, 0.045874},  {0, -1, 1, 0, 0.041024},  {1, 0, 0, 0, -0.034718},
    {0, 1, 1, 0, -0.030465},  {2, 0, 0, -2, 0.015326},  {0, 0, 1, 2, -0.012528},  {0, 0, -1, 2, -0.010980},
    {4, 0, -1, 0, 0.010674},  {0, 0, 3, 0, 0.010034},   {4, 0, -2, 0, 0.008548},  {2, 1, -1, 0, -0.007910},
    {2, 1, 0, 0, -0.006783},  {-1, 0, 1, 0, 0.005162},  {1, 1, 0, 0, 0.005000},   {2, -1, 1, 0, 0.004049},
    {2, 0, 2, 0, 0.003996},   {4, 0, 0, 0, 0.003862},   {2, 0, -3, 0, 0.003665},  {0, -1, 2, 0, 0.002695},
    {-2, 0, 1, -2, 0.002602}, {2, -1, -2, 0, 0.002396}, {1, 0, 1, 0, -0.002349},  {2, -2, 0, 0, 0.002249},
    {0, 1, 2, 0, -0.002125},  {0, 2, 0, 0, -0.002079},  {2, -2, -1, 0, 0.002059}, {2, 0, 1, -2, -0.001773},
    {2, 0, 0, 2, -0.001595},  {4, -1, -1, 0, 0.001220}, {0, 0, 2, 2, -0.001110},  {-3, 0, 1, 0, 0.000892},
    {2, 1, 1, 0, -0.000811},  {4, -1, -2, 0, 0.000761}, {0, -2, 1, 0, 0.000717},  {-2, -2, 1, 0, 0.000704},
    {2, 1, -2, 0, 0.000693},  {2, -1, 0, -2, 0.000598}, {4, 0, 1, 0, 0.000550},   {0, 0, 4, 0, 0.000538},
    {4, -1, 0, 0, 0.000521},  {-1, 0, 2, 0, 0.000486},
}};

constexpr std::array<LunarTerm, 45> kLatitudeTerms{{
    {0, 0, 0, 1, 5.128189},    {0, 0, 1, 1, 0.280606},   {0, 0, 1, -1, 0.277693},  {2, 0, 0, -1, 0.173238},
    {2, 0, -1, 1, 0.055413},   {2, 0, -1, -1, 0.046272}, {2, 0, 0, 1, 0.032573},   {0, 0, 2, 1, 0.017198},
    {2, 0, 1, -1, 0.009267},   {0, 0, 2, -1, 0.008823},  {2, -1, 0, -1, 0.008247}, {2, 0, -2, -1, 0.004323},
    {2, 0, 1, 1, 0.004200},    {-2, -1, 0, 1, 0.003372}, {2, -1, -1, 1, 0.002472}, {2, -1, 0, 1, 0.002222},
    {2, -1, -1, -1, 0.002072}, {0, -1, 1, 1, 0.001877},  {4, 0, -1, -1, 0.001828}, {0, 1, 0, 1, -0.001803},
    {0, 0, 0, 3, -0.001750},   {0, -1, 1, -1, 0.001570}, {1, 0, 0, 1, -0.001487},  {0, 1, 1, 1, -0.001481},
    {0, -1, -1, 1, 0.001417},  {0, -1, 0, 1, 0.001350},  {-1, 0, 0, 1, 0.001330},  {0, 0, 3, 1, 0.001106},
    {4, 0, 0, -1, 0.001020},   {4, 0, -1, 1, 0.000833},  {0, 0, 1, -3, 0.000781},  {4, 0, -2, 1, 0.000670},
    {2, 0, 0, -3, 0.000606},   {2, 0, 2, -1, 0.000597},  {2, -1, 1, -1, 0.000492}, {-2, 0, 2, -1, 0.000450},
    {0, 0, 3, -1, 0.000439},   {2, 0, 2, 1, 0.000423},   {2, 0, -3, -1, 0.000422}, {2, 1, -1, 1, -0.000367},
    {2, 1, 0, 1, -0.000353},   {4, 0, 0, 1, 0.000331},   {2, -1, 1, 1, 0.000317},  {2, -2, 0, -1, 0.000306},
    {0, 0, 1, 3, -0.000283},
}};

struct LunarArguments {
    double meanLongitude;  // L'
    double d;              // mean elongation from the Sun
    double m;              // the Sun's mean anomaly
    double mp;             // the Moon's mean anomaly M'
    double f;              // argument of latitude
    double node;           // Omega
    double e;              // eccentricity factor of the Earth's orbit
};

LunarArguments argumentsAt(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    LunarArguments a{};
    a.meanLongitude = 270.434164 + 481267.883142 * t - 0.001133 * t2 + 0.0000019 * t3;
    a.m = 358.475833 + 35999.0498 * t - 0.000150 * t2 - 0.0000033 * t3;
    a.mp = 296.104608 + 477198.849108 * t + 0.009192 * t2 + 0.0000144 * t3;
    a.d = 350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3;
    a.f = 11.250889 + 483202.0251 * t - 0.003211 * t2 - 0.0000003 * t3;
    a.node = meanLunarNode(t);
    a.e = 1.0 - 0.002495 * t - 0.00000752 * t2;

    // Long-period additive terms: one of Venus, one of period ~1.8 years, and the node.
    const double venus = sinDeg(normalize360(51.2 + 20.2 * t));
    const double longPeriod = 0.003964 * sinDeg(normalize360(346.560 + 132.870 * t - 0.0091731 * t2));
    const double sinNode = sinDeg(normalize360(a.node));
    a.meanLongitude += 0.000233 * venus + longPeriod + 0.001964 * sinNode;
    a.m += -0.001778 * venus;
    a.mp += 0.000817 * venus + longPeriod + 0.002541 * sinNode;
    a.d += 0.002011 * venus + longPeriod + 0.001964 * sinNode;
    a.f += longPeriod - 0.024691 * sinNode - 0.004328 * sinDeg(normalize360(a.node + 275.05 - 2.30 * t));
    return a;
}

template <std::size_t N>
double sumTerms(const std::array<LunarTerm, N>& terms, const LunarArguments& a) {
    double sum = 0.0;
    for (const LunarTerm& term : terms) {
        const double argument = term.d * a.d + term.m * a.m + term.mp * a.mp + term.f * a.f;
        double coefficient = term.coefficient;
        for (int k = std::abs(term.m); k > 0; --k) coefficient *= a.e;
        sum += coefficient * sinDeg(normalize360(argument));
    }
    return sum;
}

}  // namespace

double meanLunarNode(double t) { return 259.183275 - 1934.142008 * t + 0.002078 * t * t + 0.0000022 * t * t * t; }

NodeLongitudes meanNodes(double t) {
    const double north = normalize360(meanLunarNode(t));
    return {north, normalize360(north + 180.0)};
}

double nutationInLongitude(double t) { return -0.00479 * sinDeg(normalize360(meanLunarNode(t))); }

double lunarLongitude(double t) {
    const LunarArguments a = argumentsAt(t);
    return a.meanLongitude + sumTerms(kLongitudeTerms, a) + nutationInLongitude(t);
}

double lunarLatitude(double t) {
    const LunarArguments a = argumentsAt(t);
    // The node's small effect on the inclination.
    const double w1 = 0.0004664 * cosDeg(normalize360(a.node));
    const double w2 = 0.0000754 * cosDeg(normalize360(a.node + 275.05 - 2.30 * t));
    return sumTerms(kLatitudeTerms, a) * (1.0 - w1 - w2);
}

}  // namespace helion::theory
