#pragma once
// The period of a timeline search, given as whole local days, and the moments of its
// events written in local time.

#include <string>

#include "core/astro/julian_day.h"

namespace helion {

struct EventPeriod {
    double fromJdUt = 0.0;  // the first moment counted
    double toJdUt = 0.0;    // the first moment after the period
    bool holds(double jd) const { return jd >= fromJdUt && jd < toJdUt; }
};

// From the start of the first day to the end of the last, local time; zoneHours is added
// to local time to get Universal Time. The calendar reform is crossed as the calendar
// crossed it: 4 October 1582 was followed by 15 October.
EventPeriod periodOfLocalDays(CalendarDate first, CalendarDate last, double zoneHours);

// "07 Mar 1952 10:30:15": the moment in local time, to the second.
std::string localMomentText(double jdUt, double zoneHours);

}  // namespace helion
