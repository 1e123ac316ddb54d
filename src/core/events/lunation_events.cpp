#include "core/events/lunation_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/aspects/classifier.h"
#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"

namespace helion {
namespace {

constexpr std::array<std::string_view, 5> kEclipseKindNames{"total", "annular", "hybrid", "partial", "penumbral"};
// After an eclipse the next of its kind is at least five months away; a few weeks
// later is a safe place to search on from.
constexpr double kEclipseRestartDays = 20.0;

// An eclipse needs the Sun within some 18.5 degrees of a lunar node at the new moon, 17
// at the full moon. The mean lunation (the true one lies within 14 hours of it) and the
// mean node (within 1.7 degrees of the true one) stand in for them with this much room.
constexpr double kEclipseLimitDeg = 22.0;
constexpr double kMeanNewMoonJd = 2451550.09766;  // of January 2000
constexpr double kSynodicMonthDays = 29.530588861;
constexpr double kMeanLunationSlackDays = 1.0;
// The library's search starts this long before the mean lunation of the season.
constexpr double kSeasonLeadDays = 2.0;

// The first mean new (or full) moon in [fromJd, toJd] with the Sun near enough to a node
// for an eclipse, if any: past the last one the library's search would only run on
// beyond the period.
std::optional<double> eclipseSeasonLunation(bool solar, double fromJd, double toJd) {
    const double phase = solar ? 0.0 : 0.5;
    const double from = fromJd - kMeanLunationSlackDays, to = toJd + kMeanLunationSlackDays;
    for (double k = std::ceil((from - kMeanNewMoonJd) / kSynodicMonthDays - phase);; k += 1.0) {
        const double jd = kMeanNewMoonJd + (k + phase) * kSynodicMonthDays;
        if (jd > to) return std::nullopt;
        const double t = julianCenturies(jd);
        const double fromNode = wrap180(theory::solarLongitude(t) - theory::meanLunarNode(t));
        if (std::fabs(fromNode) < kEclipseLimitDeg || std::fabs(fromNode) > 180.0 - kEclipseLimitDeg) return jd;
    }
}

// "near Sun, Venus": the natal points within kLunationNearDeg of the longitude.
std::string nearPoints(double longitudeDeg, const NatalTargets& targets) {
    std::string text;
    for (const Point p : targets.points) {
        if (separationOf(normalize360(longitudeDeg), targets.longitude[p]) > kLunationNearDeg) continue;
        text += text.empty() ? "near " : ", ";
        text += pointName(p);
    }
    return text;
}

std::string joined(std::string_view first, const std::string& second) {
    if (first.empty()) return second;
    if (second.empty()) return std::string(first);
    return std::string(first) + ", " + second;
}

Event lunationEvent(EventKind kind, Point body, double jd, double longitudeDeg, std::string_view detail,
                    const NatalTargets& targets) {
    Event e;
    e.kind = kind;
    e.body = body;
    e.jdUt = jd;
    placeEvent(e, longitudeDeg, targets.cusp);
    e.detail = joined(detail, nearPoints(longitudeDeg, targets));
    return e;
}

}  // namespace

void addLunationEvents(const SampledTrack& phase, const Ephemeris& ephemeris, const NatalTargets& targets,
                       const EventPeriod& period, std::vector<Event>& events) {
    const std::array<double, 2> levels{0.0, 180.0};
    for (const LevelCrossing& c : phase.crossings(levels)) {
        const std::optional<double> jd = phase.momentWithin(c, period.fromJdUt, period.toJdUt);
        if (!jd) continue;
        const double moon = ephemeris.longitude(*jd, body::Moon).longitudeDeg;
        events.push_back(lunationEvent(c.level == 0 ? EventKind::NewMoon : EventKind::FullMoon, Point::Moon, *jd, moon,
                                       "", targets));
    }
}

void addEclipseEvents(const EclipseSearch& eclipses, const Ephemeris& ephemeris, const NatalTargets& targets,
                      const EventPeriod& period, std::vector<Event>& events) {
    for (const bool solar : {true, false}) {
        double from = period.fromJdUt;
        while (true) {
            const std::optional<double> season = eclipseSeasonLunation(solar, from, period.toJdUt);
            if (!season) break;
            from = std::max(from, *season - kSeasonLeadDays);
            const std::optional<EclipseFound> found =
                solar ? eclipses.nextSolarEclipse(from) : eclipses.nextLunarEclipse(from);
            if (!found || !period.holds(found->jdUt)) break;
            const Point body = solar ? Point::Sun : Point::Moon;
            const double longitude =
                ephemeris.longitude(found->jdUt, solar ? helion::body::Sun : helion::body::Moon).longitudeDeg;
            events.push_back(lunationEvent(solar ? EventKind::SolarEclipse : EventKind::LunarEclipse, body, found->jdUt,
                                           longitude, kEclipseKindNames[static_cast<std::size_t>(found->kind)],
                                           targets));
            from = found->jdUt + kEclipseRestartDays;
        }
    }
}

}  // namespace helion
