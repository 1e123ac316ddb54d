#include "core/input/present_moment.h"

#include <cmath>

#include "core/base/numeric_text.h"

namespace helion {

LocalMoment momentInZone(std::chrono::sys_seconds universal, double zoneHoursWest) {
    using namespace std::chrono;
    const auto zoneOffset = seconds(std::lround(zoneHoursWest * 3600.0));
    const sys_seconds local = universal - zoneOffset;
    const sys_days day = floor<days>(local);
    const year_month_day date(day);
    const hh_mm_ss<seconds> time(local - day);
    return {int(date.year()),          int(unsigned(date.month())), int(unsigned(date.day())),
            int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count())};
}

LocalMoment momentInZone(std::chrono::sys_seconds universal, std::string_view zoneText) {
    return momentInZone(universal, numericValue(zoneText));
}

}  // namespace helion
