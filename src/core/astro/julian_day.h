#pragma once
// Calendar dates, Julian days and the time quantities derived from them.
// Julian days are Universal Time; T counts Julian centuries from JD 2415020
// (1900 January 0.5).

namespace helion {

// T = (JD - kCenturyEpochJd) / kDaysPerCentury; the epoch is 1900 January 0.5.
inline constexpr long kCenturyEpochDay = 2415020;
inline constexpr double kCenturyEpochJd = static_cast<double>(kCenturyEpochDay);
inline constexpr double kDaysPerCentury = 36525.0;

struct CalendarDate {
    int year;
    int month;
    int day;
};

// Day number of a calendar date, counted in the Julian calendar and switched to the
// Gregorian calendar from 15 October 1582 on (the calendar reform). extraDays is added before the calendar is chosen:
// the progressed houses add the native's age in years as days.
long dayNumber(CalendarDate date, long extraDays = 0);

// The calendar date of a day number: Julian calendar before 15 October 1582, Gregorian
// from then on. A date with a day beyond its month's length comes back as the day it
// really is (31 April -> 1 May).
CalendarDate calendarDate(long dayNumber);

// Julian day (UT) of a day number and a fraction of a day in Universal Time.
inline double julianDay(long dayNumber, double dayFraction) {
    return static_cast<double>(dayNumber) + dayFraction - 0.5;
}

// Fraction of a day in Universal Time for a clock time packed as H.MM on the 12-hour
// clock; zoneHours is added to local time. The fraction may leave [0, 1).
double dayFraction(double packedTime, bool pm, double zoneHours);

double julianCenturies(double jdUt);

// Mean obliquity of the ecliptic in degrees (no nutation).
double meanObliquity(double t);

// Right ascension of the meridian in degrees for a west-positive longitude packed D.MM.
double localSiderealAngle(double t, double dayFraction, double packedWestLongitude);

}  // namespace helion
