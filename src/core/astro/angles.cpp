#include "core/astro/angles.h"

#include <cmath>

namespace helion {

double decodeDms(double packed) {
    const double whole = std::floor(packed);
    return whole + (packed - whole) * 100.0 / 60.0;
}

double degToRad(double degrees) { return degrees * kPi / 180.0; }
double radToDeg(double radians) { return radians * 180.0 / kPi; }
double sinDeg(double degrees) { return std::sin(degToRad(degrees)); }
double cosDeg(double degrees) { return std::cos(degToRad(degrees)); }
double tanDeg(double degrees) { return std::tan(degToRad(degrees)); }

double normalize360(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

double arcSin(double x) { return std::atan(x / std::sqrt(1.0 - x * x)); }
double arcCos(double x) { return std::atan(std::sqrt(1.0 - x * x) / x); }

Rect polarToRect(Polar p) {
    const double angle = p.angle == 0.0 ? kTinyAngle : p.angle;
    return {p.radius * std::cos(angle), p.radius * std::sin(angle)};
}

Polar rectToPolar(Rect r) {
    const double y = r.y == 0.0 ? kTinyAngle : r.y;
    double angle = std::atan(y / r.x);
    if (angle < 0.0) angle += kPi;
    if (y < 0.0) angle += kPi;
    return {angle, std::sqrt(r.x * r.x + y * y)};
}

Spherical rectToSpherical(double x, double y, double z) {
    Spherical s{};
    s.radius = std::sqrt(x * x + y * y + z * z);
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0.0) {
        s.declinationDeg = z > 0.0 ? 90.0 : (z < 0.0 ? -90.0 : 0.0);
    } else {
        s.declinationDeg = radToDeg(std::atan(z / rho));
    }
    if (x == 0.0 && y == 0.0) {
        s.rightAscensionDeg = 0.0;
    } else {
        const double a = 2.0 * radToDeg(std::atan(y / (std::fabs(x) + rho)));
        if (x >= 0.0) {
            s.rightAscensionDeg = y >= 0.0 ? a : a + 360.0;
        } else {
            s.rightAscensionDeg = 180.0 - a;
        }
    }
    return s;
}

double eclipticDeclination(double longitudeDeg, double obliquityDeg) {
    const double x = cosDeg(longitudeDeg);
    const double y = sinDeg(longitudeDeg) * cosDeg(obliquityDeg);
    const double z = sinDeg(longitudeDeg) * sinDeg(obliquityDeg);
    return rectToSpherical(x, y, z).declinationDeg;
}

double wrap180(double degrees) {
    if (std::fabs(degrees) > 180.0) {
        return degrees > 0.0 ? -(360.0 - degrees) : 360.0 + degrees;
    }
    return degrees;
}

}  // namespace helion
