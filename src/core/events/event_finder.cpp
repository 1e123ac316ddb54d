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
    for (const Point p : kAllPoints) {
        if (p != Point::PartOfFortune || request.partOfFortune) targets.points.push_back(p);
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

TrackPlan planOf(const Scan& scan, const MovingPoint& point) {
    const EventPeriod& period = scan.request.period;
    return {point.source,
            point.polish,
            period.fromJdUt - (scan.marginBefore ? point.marginDays : 0.0),
            period.toJdUt + (scan.marginAfter ? point.marginDays : 0.0),
            point.stepDays,
            point.mover == Mover::Transit,
            point.position};
}

// The kinds a transiting point is scanned for.
struct TransitKinds {
    bool aspects = false;
    bool stations = false;
    bool signs = false;
    bool houses = false;
};

TransitKinds transitKindsOf(const EventChoices& choices, Point body) {
    const bool moon = choices.has(EventChoice::Moon);
    const bool isMoon = body == Point::Moon;
    const bool isPlanet = body >= Point::Mercury && body <= Point::Pluto;
    return {isMoon ? moon : choices.has(EventChoice::Transits), isPlanet && choices.has(EventChoice::Stations),
            choices.has(EventChoice::Ingresses) && (!isMoon || moon),
            choices.has(EventChoice::Houses) && (!isMoon || moon)};
}

// The transiting points and, when lunations are asked, the Moon's phase, sampled
// together; the phase's track comes last.
struct TransitTracks {
    std::vector<MovingPoint> points;
    std::vector<TransitKinds> kinds;
    std::vector<SampledTrack> tracks;
};

TransitTracks transitTracks(const Scan& scan) {
    const EventChoices& choices = scan.request.choices;
    const EventPeriod& period = scan.request.period;
    TransitTracks t;
    std::vector<TrackPlan> plans;
    for (MovingPoint& point : transitPoints(scan.ephemeris, choices.has(EventChoice::Moon))) {
        const TransitKinds kinds = transitKindsOf(choices, point.body);
        if (!kinds.aspects && !kinds.stations && !kinds.signs && !kinds.houses) continue;
        plans.push_back(planOf(scan, point));
        t.points.push_back(std::move(point));
        t.kinds.push_back(kinds);
    }
    if (choices.has(EventChoice::Lunations)) {
        const MovingPoint phase = moonPhase(scan.ephemeris);
        plans.push_back(
            {phase.source, phase.polish, period.fromJdUt, period.toJdUt, phase.stepDays, true, phase.position});
    }
    t.tracks = sampleTogether(plans);
    return t;
}

void scanTransits(const Scan& scan, const TransitTracks& t) {
    const EventPeriod& period = scan.request.period;
    const AspectLevels aspects = aspectLevels(scan.targets, scan.request.transitOrbs);
    for (std::size_t k = 0; k < t.points.size(); ++k) {
        const MovingPoint& point = t.points[k];
        const SampledTrack& track = t.tracks[k];
        const TransitKinds& kinds = t.kinds[k];
        if (kinds.aspects) addAspectEvents(track, point, scan.targets, aspects, period, scan.events);
        if (kinds.stations) addStationEvents(track, point, scan.targets, period, scan.events);
        if (kinds.signs) addIngressEvents(track, point, scan.targets, EventKind::SignIngress, period, scan.events);
        if (kinds.houses) addIngressEvents(track, point, scan.targets, EventKind::HouseIngress, period, scan.events);
    }
}

// Progressed and directed points aspect the natal ones; the progressed Moon also enters
// signs and houses. Both sets are sampled together.
void scanDirected(const Scan& scan) {
    const EventChoices& choices = scan.request.choices;
    const EventPeriod& period = scan.request.period;
    std::vector<MovingPoint> points;
    if (choices.has(EventChoice::Progressions)) points = progressedPoints(scan.ephemeris, scan.request.natal);
    if (choices.has(EventChoice::SolarArc)) {
        for (MovingPoint& point : solarArcPoints(scan.ephemeris, scan.request.natal))
            points.push_back(std::move(point));
    }
    if (points.empty()) return;
    std::vector<TrackPlan> plans;
    for (const MovingPoint& point : points) plans.push_back(planOf(scan, point));
    const std::vector<SampledTrack> tracks = sampleTogether(plans);
    const AspectLevels progressed = aspectLevels(scan.targets, scan.request.progressedOrbs);
    const AspectLevels solarArc = aspectLevels(scan.targets, scan.request.solarArcOrbs);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const MovingPoint& point = points[k];
        addAspectEvents(tracks[k], point, scan.targets, point.mover == Mover::Progressed ? progressed : solarArc,
                        period, scan.events);
        if (point.mover != Mover::Progressed || point.body != Point::Moon) continue;
        addIngressEvents(tracks[k], point, scan.targets, EventKind::SignIngress, period, scan.events);
        addIngressEvents(tracks[k], point, scan.targets, EventKind::HouseIngress, period, scan.events);
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
    const TransitTracks transits = transitTracks(scan);
    scanTransits(scan, transits);
    scanDirected(scan);
    if (request.choices.has(EventChoice::Lunations))
        addLunationEvents(transits.tracks.back(), ephemeris, targets, period, result.events);
    if (request.choices.has(EventChoice::Eclipses))
        addEclipseEvents(eclipses, ephemeris, targets, period, result.events);
    std::stable_sort(result.events.begin(), result.events.end(),
                     [](const Event& a, const Event& b) { return a.jdUt < b.jdUt; });
    return result;
}

}  // namespace helion
