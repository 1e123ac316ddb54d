#include "core/events/event_period.h"

#include <cmath>
#include <cstdio>

#include "core/reports/number_format.h"

namespace helion {
namespace {

double localMidnight(long dayNumber, double zoneHours) { return julianDay(dayNumber, zoneHours / 24.0); }

}  // namespace

EventPeriod periodOfLocalDays(CalendarDate first, CalendarDate last, double zoneHours) {
    return {localMidnight(dayNumber(first), zoneHours), localMidnight(dayNumber(last) + 1, zoneHours)};
}

std::string localMomentText(double jdUt, double zoneHours) {
    const double local = jdUt + 0.5 - zoneHours / 24.0;
    auto seconds = static_cast<long long>(std::llround((local - std::floor(local)) * 86400.0));
    long day = static_cast<long>(std::floor(local));
    if (seconds == 86400) {
        seconds = 0;
        ++day;
    }
    char clock[64];
    std::snprintf(clock, sizeof clock, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return formatDate(calendarDate(day)) + " " + clock;
}

}  // namespace helion
