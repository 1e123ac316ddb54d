// Heliocentric planets from mean orbital elements and Kepler's equation, turned into
// geocentric ecliptic positions with the Earth's own element set. Jupiter to Neptune get
// their largest perturbations (the great inequality of Jupiter and Saturn, the mutual
// pull of Uranus and Neptune). Accurate to a fraction of a degree: the ephemeris library
// replaces these positions in every chart.

#include <array>
#include <cmath>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"

namespace helion::theory {
namespace {

struct Polynomial {
    double c0 = 0.0;
    double c1 = 0.0;
    double c2 = 0.0;
    double c3 = 0.0;
    constexpr double at(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};

constexpr Polynomial operator+(Polynomial a, Polynomial b) {
    return {a.c0 + b.c0, a.c1 + b.c1, a.c2 + b.c2, a.c3 + b.c3};
}
constexpr Polynomial operator-(Polynomial a, Polynomial b) {
    return {a.c0 - b.c0, a.c1 - b.c1, a.c2 - b.c2, a.c3 - b.c3};
}

// Elements of date; angles in degrees, T in centuries counted from epochT (0 = 1900,
// 1 = J2000, on the T scale of JD 2415020).
struct ElementSet {
    double epochT;
    double semiMajorAxis;
    Polynomial eccentricity;
    Polynomial inclination;
    Polynomial node;
    Polynomial perihelion;  // longitude of perihelion
    Polynomial meanAnomaly;
};

// Linear elements at J2000, in the columns a, e0, e1, i0, i1, node0, node1,
// perihelion0, perihelion1, M0, M1.
struct LinearElements {
    double a, e0, e1, i0, i1, node0, node1, peri0, peri1, m0, m1;
};

constexpr ElementSet fromLinear(const LinearElements& l) {
    return {1.0, l.a, {l.e0, l.e1}, {l.i0, l.i1}, {l.node0, l.node1}, {l.peri0, l.peri1}, {l.m0, l.m1}};
}

// Published form, epoch 1900: mean longitude, argument of perihelion and node.
struct MeanLongitudeElements {
    Polynomial meanLongitude;
    double a;
    Polynomial e, i, argumentOfPerihelion, node;
};

constexpr ElementSet fromMeanLongitude(const MeanLongitudeElements& p) {
    const Polynomial perihelion = p.argumentOfPerihelion + p.node;
    return {0.0, p.a, p.e, p.i, p.node, perihelion, p.meanLongitude - perihelion};
}

// Indexed by point number: 1 holds the Earth (the Sun's slot), 2 Mercury .. 9 Pluto.
constexpr std::array<ElementSet, 10> kElements{{
    {},
    fromLinear({1.000000031, 0.016709, -0.000042, 0, 0, 0, 0, 102.94, 1.7192, 357.5256, 35999.0498}),
    fromLinear({0.387099, 0.205634, 0.00002, 7.0048, 0.0019, 48.331, 1.185, 77.4552, 1.5555, 174.7947, 149472.5153}),
    fromLinear({0.723332, 0.006773, -0.000048, 3.3946, 0.001, 76.68, 0.9, 131.5718, 1.408, 50.4071, 58517.8039}),
    fromLinear({1.523692, 0.093405, 0.000092, 1.8496, -0.0007, 49.557, 0.771, 336.059, 1.8408, 19.3879, 19139.8585}),
    fromMeanLongitude({{238.049257, 3036.301986, 0.0003347, -0.00000165},
                       5.202561,
                       {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
                       {1.308736, -0.0056961, 0.0000039},
                       {273.277558, 0.5994317, 0.00070405, 0.00000508},
                       {99.443414, 1.01053, 0.00035222, -0.00000851}}),
    fromMeanLongitude({{266.564377, 1223.509884, 0.0003245, -0.0000058},
                       9.554747,
                       {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
                       {2.492519, -0.0039189, -0.00001549, 0.00000004},
                       {338.3078, 1.0852207, 0.00097854, 0.00000992},
                       {112.790414, 0.8731951, -0.00015218, -0.00000531}}),
    fromMeanLongitude({{244.19747, 429.863546, 0.000316, -0.0000006},
                       19.21814,
                       {0.0463444, -0.00002658, 0.000000077},
                       {0.772464, 0.0006253, 0.0000395},
                       {98.071581, 0.985765, -0.0010745, -0.00000061},
                       {73.477111, 0.4986678, 0.0013117}}),
    fromMeanLongitude({{84.457994, 219.885914, 0.0003205, -0.0000006},
                       30.10957,
                       {0.00899704, 0.00000633, -0.000000002},
                       {1.779242, -0.0095436, -0.0000091},
                       {276.045975, 0.3256394, 0.00014095, 0.000004113},
                       {130.681389, 1.098935, 0.00024987, -0.000004718}}),
    // Pluto: J2000 mean elements, node and perihelion advanced by the general precession.
    fromLinear({39.48211675, 0.2488273, 0.0, 17.14001206, 0.0, 110.30393684, 1.3852, 224.06891629, 1.3564, 14.86012204,
                145.24843457}),
}};

// The element table holds the Earth in slot 1 and each planet at its point number.
constexpr int kEarth = 1;

// Eccentric anomaly (radians) for mean anomaly m (radians): Newton's iteration until the
// correction falls below 1e-7. The step limit only guards against non-finite input.
double solveKepler(double m, double e) {
    constexpr int kMaxSteps = 50;
    constexpr double kTolerance = 1e-7;
    double eccentricAnomaly = m;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double correction =
            (m + e * std::sin(eccentricAnomaly) - eccentricAnomaly) / (1.0 - e * std::cos(eccentricAnomaly));
        eccentricAnomaly += correction;
        if (std::fabs(correction) < kTolerance) break;
    }
    return eccentricAnomaly;
}

// Long-period arguments of the outer planets' mutual perturbations.
enum class Argument { V, W, H };

// (c0 + c1 nu + c2 nu^2) * sin or cos(multiple * argument), degrees of mean longitude.
struct PerturbationTerm {
    int planet;
    Argument argument;
    int multiple;
    bool cosine;
    double c0, c1, c2;
};

constexpr std::array<PerturbationTerm, 15> kPerturbations{{
    {5, Argument::V, 1, false, 0.331364, -0.010281, -0.004692},  // Jupiter
    {5, Argument::V, 1, true, 0.003228, -0.064436, 0.002075},
    {5, Argument::V, 2, false, -0.003083, -0.000275, 0.000489},
    {5, Argument::W, 1, false, 0.002472, 0.0, 0.0},
    {6, Argument::V, 1, false, -0.814181, 0.018150, 0.016714},  // Saturn
    {6, Argument::V, 1, true, -0.010497, 0.160906, -0.004100},
    {6, Argument::V, 2, false, 0.007581, 0.0, 0.0},
    {6, Argument::W, 1, false, -0.007986, 0.0, 0.0},
    {7, Argument::H, 1, false, 0.864319, -0.001583, 0.0},  // Uranus
    {7, Argument::H, 1, true, 0.082222, -0.006833, 0.0},
    {7, Argument::H, 2, false, 0.036017, 0.0, 0.0},
    {7, Argument::W, 1, false, 0.008122, 0.0, 0.0},
    {8, Argument::H, 1, false, -0.589833, 0.001089, 0.0},  // Neptune
    {8, Argument::H, 1, true, -0.056094, 0.004658, 0.0},
    {8, Argument::H, 2, false, -0.024286, 0.0, 0.0},
}};

// Perturbation of the mean longitude (degrees); the perihelion stays, so the mean
// anomaly moves by the same amount.
double meanLongitudePerturbation(int planet, double t) {
    const double nu = t / 5.0 + 0.1;
    const double jupiter = 237.47555 + 3034.9061 * t;
    const double saturn = 265.91650 + 1222.1139 * t;
    const double uranus = 243.51721 + 428.4677 * t;
    const double neptune = 83.76922 + 218.4901 * t;
    const double v = 5.0 * saturn - 2.0 * jupiter;
    const double w = 2.0 * jupiter - 6.0 * saturn + 3.0 * uranus;
    const double h = 2.0 * neptune - uranus;

    double sum = 0.0;
    for (const PerturbationTerm& term : kPerturbations) {
        if (term.planet != planet) continue;
        const double base = term.argument == Argument::V ? v : (term.argument == Argument::W ? w : h);
        const double angle = normalize360(term.multiple * base);
        const double amplitude = term.c0 + nu * (term.c1 + nu * term.c2);
        sum += amplitude * (term.cosine ? cosDeg(angle) : sinDeg(angle));
    }
    return sum;
}

struct Vector {
    double x, y, z;
};

// Heliocentric ecliptic position (astronomical units) of the body in element slot planet.
Vector heliocentric(int planet, double t) {
    const ElementSet& el = kElements[static_cast<std::size_t>(planet)];
    const double te = t - el.epochT;
    const double e = el.eccentricity.at(te);
    const double meanAnomaly = el.meanAnomaly.at(te) + meanLongitudePerturbation(planet, t);
    const double eccentricAnomaly = solveKepler(degToRad(normalize360(meanAnomaly)), e);

    // Position in the orbital plane, x towards perihelion.
    const double px = el.semiMajorAxis * (std::cos(eccentricAnomaly) - e);
    const double py = el.semiMajorAxis * std::sqrt(1.0 - e * e) * std::sin(eccentricAnomaly);

    // Rotate by the argument of perihelion, the inclination and the node.
    const double node = degToRad(normalize360(el.node.at(te)));
    const double argument = degToRad(normalize360(el.perihelion.at(te) - el.node.at(te)));
    const double inclination = degToRad(el.inclination.at(te));
    const double cosArgument = std::cos(argument), sinArgument = std::sin(argument);
    const double cosNode = std::cos(node), sinNode = std::sin(node);
    const double xo = px * cosArgument - py * sinArgument;
    const double yo = px * sinArgument + py * cosArgument;
    const double yInclined = yo * std::cos(inclination);
    return {xo * cosNode - yInclined * sinNode, xo * sinNode + yInclined * cosNode, yo * std::sin(inclination)};
}

}  // namespace

PointArray<EclipticPosition> planetPositions(double t) {
    const Vector earth = heliocentric(kEarth, t);
    PointArray<EclipticPosition> positions{};
    for (const Point planet : kPlanets) {
        const Vector body = heliocentric(pointNumber(planet), t);
        const Polar inPlane = rectToPolar({body.x - earth.x, body.y - earth.y});
        positions[planet] = {radToDeg(inPlane.angle), radToDeg(std::atan2(body.z - earth.z, inPlane.radius))};
    }
    return positions;
}

}  // namespace helion::theory
