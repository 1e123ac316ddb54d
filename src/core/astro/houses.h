#pragma once
// The angles of a chart (RAMC, obliquity, Midheaven, Ascendant), the twelve house cusps
// in every house system, and the house of every point.

#include <string>
#include <string_view>

#include "core/astro/angles.h"
#include "core/astro/ephemeris.h"
#include "core/astro/house_system.h"
#include "core/astro/julian_day.h"
#include "core/astro/points.h"

namespace helion {

// One moment and place. Natal houses take the natal time, date and place; progressed
// houses the natal time, the natal date plus the age in years as extraDays, and the
// diurnal place; diurnal houses the diurnal time, date and place.
struct AngleMoment {
    CalendarDate date{};
    long extraDays = 0;       // added to the Julian-calendar day number (dayNumber)
    double packedTime = 0.0;  // H.MM, 12-hour clock
    bool pm = false;
    double zoneHours = 0.0;            // added to local time to get UT
    double packedWestLongitude = 0.0;  // D.MM, west positive
    double packedNorthLatitude = 0.0;  // D.MM, north positive
};

struct HouseAngles {
    double jd = 0.0;  // UT
    double t = 0.0;   // Julian centuries from JD 2415020
    double ramcDeg = 0.0;
    double obliquityDeg = 0.0;
    double midheavenDeg = 0.0;
    double ascendantDeg = 0.0;
    // Geographic latitude, north positive; an exact 0 is replaced by kEquatorLatitudeDeg.
    double latitudeDeg = 0.0;
    // Sidereal time shown with the chart; southern charts show it 12 hours later.
    int siderealHours = 0;
    int siderealMinutes = 0;
    int siderealSeconds = 0;
};

// Stands in for latitude 0 in the cusp formulas (0.00001 radian south of the equator)
// so that no tangent of the latitude divides by zero.
inline constexpr double kEquatorLatitudeDeg = -0.00001 * 180.0 / kPi;

HouseAngles computeAngles(const AngleMoment& moment);

// The angles of the sky above a place given by its RAMC, the obliquity and the
// geographic latitude; jd and t stay 0. computeAngles ends here.
HouseAngles anglesAt(double ramcDeg, double obliquityDeg, double latitudeDeg);

// Ascendant (degrees, [0, 360)) for a RAMC, obliquity and geographic latitude.
double ascendantFor(double ramcDeg, double obliquityDeg, double latitudeDeg);

struct HouseCusps {
    // Entry 1 = 10th house (Midheaven), 4 = 1st (Ascendant) ... 12 = 9th; 0 and 13 stay 0.
    CuspTable cusp{};
    // The sidereal time of the angles in whole seconds (truncated), 0 .. 24 hours.
    int siderealSeconds = 0;
};

// Placidus, Regiomontanus, Koch, Porphyry, Meridian, Equal and Whole Sign are the
// program's own; the library gives the other systems' intermediate cusps.
HouseCusps computeCusps(HouseSystem system, const HouseAngles& angles, const Ephemeris& library);

// The house of every point. A point exactly on a cusp belongs to the house that cusp opens.
PointHouses placeInHouses(const PointTable& longitude, const CuspTable& cusp);

// "10TH", "11TH", "12TH", " 1ST" ... " 9TH" for cusp entries 1..12; four blanks otherwise.
std::string_view houseLabel(int cuspEntry);

// The label of house 1..12 ("10TH" for the 10th house); four blanks otherwise.
std::string_view labelOfHouse(int house);

}  // namespace helion
