#include "core/astro/julian_day.h"

#include <cmath>

#include "core/astro/angles.h"

namespace helion {
namespace {

// Julian-calendar count of 15 October 1582, the first day of the Gregorian calendar:
// dates from it on are Gregorian.
constexpr long kFirstGregorianJulianCount = 2299171;
// First day number of the Gregorian calendar (15 October 1582).
constexpr long kFirstGregorianDay = 2299161;

long floorDiv(long a, long b) {
    long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

long dayNumber(CalendarDate date, long extraDays) {
    // Months counted from March of the year -4800.
    const long a = 12L * (date.year + 4800L) + date.month - 3L;
    const long m = a - 12L * floorDiv(a, 12);
    long n = floorDiv(365L * a + 2L * m + 7L, 12) + date.day + floorDiv(a, 48) - 32083L + extraDays;
    if (n >= kFirstGregorianJulianCount) n += floorDiv(a, 4800) - floorDiv(a, 1200) + 38;
    return n;
}

CalendarDate calendarDate(long dayNumber) {
    // Inverse of the day count (Richards' algorithm), with the Gregorian century rule
    // applied only from the reform on.
    long f = dayNumber + 1401;
    if (dayNumber >= kFirstGregorianDay) {
        f += floorDiv(floorDiv(4 * dayNumber + 274277, 146097) * 3, 4) - 38;
    }
    const long e = 4 * f + 3;
    const long g = (e - 1461 * floorDiv(e, 1461)) / 4;
    const long h = 5 * g + 2;
    const int day = static_cast<int>((h % 153) / 5 + 1);
    const int month = static_cast<int>((h / 153 + 2) % 12 + 1);
    const int year = static_cast<int>(floorDiv(e, 1461) - 4716 + (14 - month) / 12);
    return {year, month, day};
}

double dayFraction(double packedTime, bool pm, double zoneHours) {
    // 12:xx belongs to the start of its half-day.
    if (std::floor(packedTime) == 12.0) packedTime -= 12.0;
    double f = (decodeDms(packedTime) + zoneHours) / 24.0;
    if (pm) f += 0.5;
    return f;
}

double julianCenturies(double jdUt) { return (jdUt - kCenturyEpochJd) / kDaysPerCentury; }

double meanObliquity(double t) { return 23.4522944 - 0.0130125 * t - 0.000001639 * t * t + 0.000000503 * t * t * t; }

double localSiderealAngle(double t, double dayFraction, double packedWestLongitude) {
    const double siderealHours = (0.0929 * t * t + 8640184.54 * t + 23925.836) / 3600.0;
    double days = (24.0 * dayFraction + siderealHours) / 24.0;
    days -= std::floor(days);
    const double greenwich = days * 24.0 * 15.0;
    const double sign = packedWestLongitude > 0.0 ? 1.0 : (packedWestLongitude < 0.0 ? -1.0 : 0.0);
    return normalize360(greenwich - sign * decodeDms(std::fabs(packedWestLongitude)));
}

}  // namespace helion
