#include "core/astro/houses.h"

#include <cmath>

#include "core/astro/angles.h"

namespace helion {
namespace {

double midheavenFor(double ramcDeg, double obliquityDeg) {
    const double ramc = degToRad(ramcDeg);
    return normalize360(radToDeg(std::atan2(std::sin(ramc), std::cos(ramc) * cosDeg(obliquityDeg))));
}

// A packed D.MM value with its sign: the amount is decoded, the sign kept.
double decodeSignedDms(double packed) {
    const double amount = decodeDms(std::fabs(packed));
    return packed < 0.0 ? -amount : amount;
}

// Sidereal time shown with the chart, split into whole (truncated) hours, minutes and
// seconds. Southern charts are read from the opposite meridian, 12 hours later.
void setSiderealClock(HouseAngles& angles, bool south) {
    if (!std::isfinite(angles.ramcDeg)) return;
    double degrees = normalize360(south ? angles.ramcDeg + 180.0 : angles.ramcDeg);
    if (degrees >= 360.0) degrees = 0.0;  // a tiny negative angle rounds up to 360
    const double hours = degrees / 15.0;
    const double wholeHours = std::trunc(hours);
    const double minutes = (hours - wholeHours) * 60.0;
    const double wholeMinutes = std::trunc(minutes);
    angles.siderealHours = static_cast<int>(wholeHours);
    angles.siderealMinutes = static_cast<int>(wholeMinutes);
    angles.siderealSeconds = static_cast<int>(std::trunc((minutes - wholeMinutes) * 60.0));
}

}  // namespace

double ascendantFor(double ramcDeg, double obliquityDeg, double latitudeDeg) {
    const double ramc = degToRad(ramcDeg);
    const double x = -(std::sin(ramc) * cosDeg(obliquityDeg) + tanDeg(latitudeDeg) * sinDeg(obliquityDeg));
    return normalize360(radToDeg(std::atan2(std::cos(ramc), x)));
}

HouseAngles anglesAt(double ramcDeg, double obliquityDeg, double latitudeDeg) {
    HouseAngles angles;
    angles.ramcDeg = ramcDeg;
    angles.obliquityDeg = obliquityDeg;
    angles.midheavenDeg = midheavenFor(ramcDeg, obliquityDeg);
    angles.ascendantDeg = ascendantFor(ramcDeg, obliquityDeg, latitudeDeg);
    angles.latitudeDeg = latitudeDeg == 0.0 ? kEquatorLatitudeDeg : latitudeDeg;
    setSiderealClock(angles, latitudeDeg < 0.0);
    return angles;
}

HouseAngles computeAngles(const AngleMoment& moment) {
    const long day = dayNumber(moment.date, moment.extraDays);
    const double fraction = dayFraction(moment.packedTime, moment.pm, moment.zoneHours);
    // Counted from the day numbers first: a whole Julian day would lose digits of the fraction.
    const double t = (static_cast<double>(day - kCenturyEpochDay) + fraction - 0.5) / kDaysPerCentury;
    HouseAngles angles = anglesAt(localSiderealAngle(t, fraction, moment.packedWestLongitude), meanObliquity(t),
                                  decodeSignedDms(moment.packedNorthLatitude));
    angles.jd = julianDay(day, fraction);
    angles.t = t;
    return angles;
}

}  // namespace helion
