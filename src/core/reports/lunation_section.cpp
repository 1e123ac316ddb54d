#include "core/reports/lunation_section.h"

#include <cmath>
#include <string>

#include "core/astro/julian_day.h"
#include "core/astro/lunation_search.h"
#include "core/reports/angle_text.h"
#include "core/reports/column_align.h"
#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

constexpr double kDaysBeforeDiurnalDate = 31.0;
const std::string kAspectIndent(16, ' ');

CalendarDate utDateOf(double t) {
    const double jd = t * kDaysPerCentury + kCenturyEpochJd;
    return calendarDate(static_cast<long>(std::floor(jd + 0.5)));
}

void appendAspectsOf(ReportLines& lines, double lunationPoint, const ChartPositions& natal, float orb) {
    bool any = false;
    for (const Point body : kAllPoints) {
        const AspectFinding found = classifyLunationAspect(separationOf(lunationPoint, natal.longitude[body]), orb);
        if (!found.aspect) continue;
        any = true;
        lines.push_back(kAspectIndent + std::string(aspectName(*found.aspect)) + "      " +
                        std::string(planetName(body)) +
                        alignTwoPlaces(formatNumber(std::fabs(found.distance), "#0.0")) + " degrees");
    }
    if (!any) lines.push_back(kAspectIndent + "No aspects");
}

}  // namespace

AspectFinding classifyLunationAspect(double separation, float orb) {
    const auto s = static_cast<float>(separation);
    const auto inRange = [&](float angle) { return angle - orb <= s && s <= angle + orb; };
    AspectFinding found{std::nullopt, separation};
    if (inRange(60.0f)) found = {Aspect::Sextile, separation - 60.0};
    if (inRange(90.0f)) found = {Aspect::Square, separation - 90.0};
    if (inRange(120.0f)) found = {Aspect::Trine, separation - 120.0};
    if (s >= 180.0f - orb) found = {Aspect::Opposite, separation - 180.0};
    if (s <= orb) found = {Aspect::Conjunct, separation};
    if (found.aspect) found.distance = std::floor((found.distance + 0.05) * 10.0) / 10.0;
    return found;
}

void appendLunations(Report& report, const ChartTables& charts, float lunationOrb) {
    ReportLines& lines = report.lines;
    lines.emplace_back();
    lines.push_back(std::string(14, ' ') + "LUNATIONS AND LUNATION ASPECTS");
    lines.emplace_back();

    const double start = charts.diurnalMoment.t - kDaysBeforeDiurnalDate / kDaysPerCentury;
    const NewMoonSearch search = findNewMoons(start, kLunationCount);
    for (const NewMoon& moon : search.newMoons) {
        lines.push_back("  " + formatDate(utDateOf(moon.t)) + " - " + positionText(moon.sunLongitude));
        appendAspectsOf(lines, moon.sunLongitude, charts.natal, lunationOrb);
    }
    if (!search.complete) {
        report.messages.push_back(warningMessage("The new-moon search gave up after " +
                                                 std::to_string(search.newMoons.size()) +
                                                 " new moons: the lunar theory did not converge."));
    }
}

}  // namespace helion
