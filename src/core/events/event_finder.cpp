#include "core/events/event_finder.h"

#include <algorithm>

#include "core/astro/houses.h"
#include "core/astro/progressions.h"
#include "core/events/lunation_events.h"

namespace helion {
namespace {

constexpr const char* kEventAnalyticalText =
    "No ephemeris file covers part of the period: positions there come from the ephemeris library's analytical "
    "theory, which is less precise.";

NatalTargets targetsOf(const EventRequest& request) {
    NatalTargets targets;
    targets.longitude = request.natal.longitude;
    targets.cusp = request.natalCusp;
    for (int p = point::Sun; p <= point::Midheaven; ++p) {
        if (p != point::PartOfFortune || request.partOfFortune) targets.points.push_back(p);
    }
    return targets;
}

struct Scan {
    const EventRequest& request;
    const NatalTargets& targets;
    const Ephemeris& ephemeris;
    std::vector<Event>& events;
    bool marginBefore;  // the ephemeris reaches beyond the period on that side
    bool marginAfter;
};

SampledTrack trackOf(const Scan& scan, const MovingPoint& point) {
    const EventPeriod& period = scan.request.period;
    return SampledTrack(point.source, point.polish, period.fromJdUt - (scan.marginBefore ? point.marginDays : 0.0),
                        period.toJdUt + (scan.marginAfter ? point.marginDays : 0.0), point.stepDays);
}

void scanTransits(const Scan& scan) {
    const EventChoices& choices = scan.request.choices;
    const bool aspects = choices.has(EventChoice::Transits);
    const bool moon = choices.has(EventChoice::Moon);
    const EventPeriod& period = scan.request.period;
    for (const MovingPoint& point : transitPoints(scan.ephemeris, moon)) {
        const bool isMoon = point.body == point::Moon;
        const bool isPlanet = point.body >= point::Mercury && point.body <= point::Pluto;
        const bool wantAspects = isMoon ? moon : aspects;
        const bool wantStations = isPlanet && choices.has(EventChoice::Stations);
        const bool wantSigns = choices.has(EventChoice::Ingresses) && (!isMoon || moon);
        const bool wantHouses = choices.has(EventChoice::Houses) && (!isMoon || moon);
        if (!wantAspects && !wantStations && !wantSigns && !wantHouses) continue;
        const SampledTrack track = trackOf(scan, point);
        if (wantAspects) addAspectEvents(track, point, scan.targets, scan.request.transitOrbs, period, scan.events);
        if (wantStations) addStationEvents(track, point, scan.targets, period, scan.events);
        if (wantSigns) addIngressEvents(track, point, scan.targets, EventKind::SignIngress, period, scan.events);
        if (wantHouses) addIngressEvents(track, point, scan.targets, EventKind::HouseIngress, period, scan.events);
    }
}

// Progressed and directed points aspect the natal ones; the progressed Moon also enters
// signs and houses.
void scanDirected(const Scan& scan, const std::vector<MovingPoint>& points, const OrbTable& orbs) {
    const EventPeriod& period = scan.request.period;
    for (const MovingPoint& point : points) {
        const SampledTrack track = trackOf(scan, point);
        addAspectEvents(track, point, scan.targets, orbs, period, scan.events);
        if (point.mover != Mover::Progressed || point.body != point::Moon) continue;
        addIngressEvents(track, point, scan.targets, EventKind::SignIngress, period, scan.events);
        addIngressEvents(track, point, scan.targets, EventKind::HouseIngress, period, scan.events);
    }
}

// The margins of the slowest points; a side where the ephemeris stops short is searched
// without one.
constexpr double kWidestMarginDays = 3.0 * 365.25;

// The worst reach of the bodies at a moment: the library tells it with each position.
EphemerisReach reachAt(const Ephemeris& ephemeris, double jdUt) {
    EphemerisReach worst = EphemerisReach::Files;
    for (int b = body::Sun; b <= body::Pluto; ++b) worst = std::max(worst, ephemeris.longitude(jdUt, b).reach);
    return worst;
}

}  // namespace

NatalFrame natalFrameOf(const ChartTables& charts) {
    NatalFrame frame;
    frame.jdUt = charts.natalMoment.jd;
    frame.longitude = charts.natal.longitude;
    frame.obliquityDeg = charts.natalObliquity;
    AngleMoment place;
    place.packedWestLongitude = charts.diurnalInput.longitude;
    place.packedNorthLatitude = charts.diurnalInput.latitude;
    place.date = {charts.diurnalInput.year, charts.diurnalInput.month, charts.diurnalInput.day};
    frame.latitudeDeg = computeAngles(place).latitudeDeg;
    return frame;
}

EventSearch findEvents(const EventRequest& request, const Ephemeris& ephemeris, const EclipseSearch& eclipses) {
    EventSearch result;
    const EventPeriod& period = request.period;
    if (period.toJdUt <= period.fromJdUt) {
        result.messages.push_back(warningMessage(kEventPeriodOrderText));
        return result;
    }
    const double natalJd = request.natal.jdUt;
    EphemerisReach worst = EphemerisReach::Files;
    for (const double jd : {period.fromJdUt, period.toJdUt, progressedMoment(natalJd, period.fromJdUt),
                            progressedMoment(natalJd, period.toJdUt)}) {
        worst = std::max(worst, reachAt(ephemeris, jd));
    }
    if (worst == EphemerisReach::Beyond) {
        result.messages.push_back(warningMessage(kEventPeriodBeyondText));
        return result;
    }
    if (worst == EphemerisReach::AnalyticalTheory) result.messages.push_back(informationMessage(kEventAnalyticalText));

    const NatalTargets targets = targetsOf(request);
    const Scan scan{request,
                    targets,
                    ephemeris,
                    result.events,
                    reachAt(ephemeris, period.fromJdUt - kWidestMarginDays) != EphemerisReach::Beyond,
                    reachAt(ephemeris, period.toJdUt + kWidestMarginDays) != EphemerisReach::Beyond};
    scanTransits(scan);
    if (request.choices.has(EventChoice::Progressions))
        scanDirected(scan, progressedPoints(ephemeris, request.natal), request.progressedOrbs);
    if (request.choices.has(EventChoice::SolarArc))
        scanDirected(scan, solarArcPoints(ephemeris, request.natal), request.solarArcOrbs);
    if (request.choices.has(EventChoice::Lunations)) addLunationEvents(ephemeris, targets, period, result.events);
    if (request.choices.has(EventChoice::Eclipses))
        addEclipseEvents(eclipses, ephemeris, targets, period, result.events);
    std::stable_sort(result.events.begin(), result.events.end(),
                     [](const Event& a, const Event& b) { return a.jdUt < b.jdUt; });
    return result;
}

}  // namespace helion
