#pragma once
// Angle helpers shared by all astronomical code. Their constants are part of the
// program's printed results, so pi is the program's fixed ten-decimal value.

namespace helion {

inline constexpr double kPi = 3.1415926535;

// A tiny angle (radians) that stands in for an exact zero where an arctangent would
// otherwise divide by zero.
inline constexpr double kTinyAngle = 0.00000000174533;

// 74.30 (74 degrees 30 minutes) -> 74.5; the same for H.MM times.
double decodeDms(double packed);

double degToRad(double degrees);
double radToDeg(double radians);
double sinDeg(double degrees);
double cosDeg(double degrees);
double tanDeg(double degrees);

// x - 360 floor(x / 360), in [0, 360).
double normalize360(double degrees);

// Arcsine and arccosine built from the arctangent (radians). arcCos is negative for
// x < 0; callers add pi to get the arccosine in (0, pi).
double arcSin(double x);
double arcCos(double x);

struct Rect {
    double x;
    double y;
};
struct Polar {
    double angle;  // radians
    double radius;
};

Rect polarToRect(Polar p);
// Angle in [0, 2 pi).
Polar rectToPolar(Rect r);

struct Spherical {
    double radius;
    double declinationDeg;
    double rightAscensionDeg;
};
Spherical rectToSpherical(double x, double y, double z);

// Declination of the ecliptic point at longitude lambda (latitude 0).
double eclipticDeclination(double longitudeDeg, double obliquityDeg);

// Difference a - b brought into [-180, 180].
double wrap180(double degrees);

}  // namespace helion
