#include "core/chart/pipeline.h"

#include <algorithm>

#include "core/astro/angles.h"
#include "core/astro/ephemeris_fill.h"
#include "core/astro/houses.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"
#include "core/astro/progressions.h"

namespace helion {
namespace {

inline constexpr const char* kNoMinorMomentText =
    "No minor-progressed moment was found: the Moon does not reach its natal distance from the Sun "
    "within two days of the expected date. The minor progressions keep their previous values.";

ChartMoment momentAt(double jd) { return {jd, julianCenturies(jd)}; }

// Sun, Moon and planets from the ephemeris; the nodes, which lie on the ecliptic exactly
// opposite each other, from the lunar theory's mean node. `worst` takes in how the
// ephemeris reached the moment.
ChartPositions bodiesAt(const Ephemeris& ephemeris, const ChartMoment& moment, EphemerisReach& worst) {
    const BodyPositions bodies = fillEphemeris(ephemeris, moment.jd);
    worst = std::max(worst, bodies.reach);
    ChartPositions set;
    set.longitude = bodies.longitude;
    set.declination = bodies.declination;
    const theory::NodeLongitudes nodes = theory::meanNodes(moment.t);
    set.longitude[Point::NorthNode] = nodes.north;
    set.longitude[Point::SouthNode] = nodes.south;
    for (const Point node : {Point::NorthNode, Point::SouthNode})
        set.declination[node] = eclipticDeclination(set.longitude[node], meanObliquity(moment.t));
    set.retrograde = bodies.retrograde;
    return set;
}

AngleMoment angleMoment(const ChartInput& time, const ChartInput& place, long extraDays) {
    AngleMoment m;
    m.date = {time.year, time.month, time.day};
    m.extraDays = extraDays;
    m.packedTime = time.time;
    m.pm = time.pm();
    m.zoneHours = time.zone;
    m.packedWestLongitude = place.longitude;
    m.packedNorthLatitude = place.latitude;
    return m;
}

double partOfFortune(const ChartPositions& set) {
    return normalize360(set.longitude[Point::Ascendant] + set.longitude[Point::Moon] - set.longitude[Point::Sun]);
}

void setAngles(ChartPositions& set, double ascendant, double midheaven) {
    set.longitude[Point::Ascendant] = ascendant;
    set.longitude[Point::Midheaven] = midheaven;
    set.longitude[Point::PartOfFortune] = partOfFortune(set);
}

void setCusps(ChartPositions& set, const HouseCusps& cusps) {
    set.cusp = cusps.cusp;
    set.siderealSeconds = cusps.siderealSeconds;
}

void setAngleDeclinations(ChartPositions& set, double obliquityDeg) {
    for (const Point p : {Point::PartOfFortune, Point::Ascendant, Point::Midheaven}) {
        set.declination[p] = eclipticDeclination(set.longitude[p], obliquityDeg);
    }
}

// Replaces the set's angles by the natal angles directed by the set's own solar arc.
void directAngles(ChartPositions& set, const ChartPositions& natal, double natalObliquity, double latitudeDeg) {
    const DirectedAngles d = solarArcAngles(set.longitude[Point::Sun], natal.longitude[Point::Sun],
                                            natal.longitude[Point::Midheaven], natalObliquity, latitudeDeg);
    setAngles(set, d.ascendantDeg, d.midheavenDeg);
}

struct RunContext {
    const ChartRequest& request;
    const Ephemeris& ephemeris;
    ChartTables& tables;
};

// Angles, cusps and sidereal time of one moment and place; the set takes that moment's
// own Ascendant, Midheaven and Part of Fortune.
HouseAngles houseSet(const RunContext& run, ChartPositions& set, const AngleMoment& moment) {
    const HouseAngles angles = computeAngles(moment);
    setAngles(set, angles.ascendantDeg, angles.midheavenDeg);
    setCusps(set, computeCusps(run.request.houseSystem, angles, run.ephemeris));
    return angles;
}

void placeAndDeclinate(ChartPositions& set, double obliquityDeg) {
    set.house = placeInHouses(set.longitude, set.cusp);
    setAngleDeclinations(set, obliquityDeg);
}

void computeNatal(RunContext& run, const ChartInput& natal) {
    ChartTables& t = run.tables;
    t.natalObliquity = houseSet(run, t.natal, angleMoment(natal, natal, 0)).obliquityDeg;
    placeAndDeclinate(t.natal, t.natalObliquity);
}

void computeProgressed(RunContext& run, const ChartInput& natal, const ChartInput& diurnal) {
    ChartTables& t = run.tables;
    // The progressed houses: the birth time on the birth date moved on by one day for
    // each completed year of life, at the diurnal place.
    const HouseAngles angles = houseSet(run, t.progressed, angleMoment(natal, diurnal, diurnal.age));
    directAngles(t.progressed, t.natal, t.natalObliquity, angles.latitudeDeg);
    placeAndDeclinate(t.progressed, t.natalObliquity);
}

// Returns the diurnal angles, whose time and place the minor-progressed houses share.
HouseAngles computeDiurnal(RunContext& run, const ChartInput& diurnal) {
    ChartTables& t = run.tables;
    const HouseAngles angles = houseSet(run, t.diurnal, angleMoment(diurnal, diurnal, 0));
    t.diurnalObliquity = angles.obliquityDeg;
    // The diurnal points are placed among the diurnal cusps with the moment's own angles.
    t.diurnal.house = placeInHouses(t.diurnal.longitude, t.diurnal.cusp);
    if (run.request.secondPerson) {
        // Another person's chart keeps the angles of that person's own birth moment.
        setAngleDeclinations(t.diurnal, t.diurnalObliquity);
    } else {
        directAngles(t.diurnal, t.natal, t.natalObliquity, angles.latitudeDeg);
        setAngleDeclinations(t.diurnal, t.natalObliquity);
    }
    return angles;
}

void computeMinor(RunContext& run, const HouseAngles& diurnalAngles, const ChartTables& previous,
                  std::vector<Message>& messages) {
    ChartTables& t = run.tables;
    const std::optional<double> jdMinor =
        minorMoment(run.ephemeris, t.natal.longitude[Point::Sun], t.natal.longitude[Point::Moon],
                    t.diurnal.longitude[Point::Sun], t.natalMoment.jd, t.diurnalMoment.jd);
    if (!jdMinor) {
        t.minorProgressed = previous.minorProgressed;
        t.minorMoment = previous.minorMoment;
        messages.push_back(warningMessage(kNoMinorMomentText));
        return;
    }
    t.minorMoment = momentAt(*jdMinor);
    // The minor-progressed moment lies between the natal and the diurnal one, which the
    // ephemeris reached already.
    EphemerisReach withinReach = EphemerisReach::Files;
    t.minorProgressed = bodiesAt(run.ephemeris, t.minorMoment, withinReach);
    setCusps(t.minorProgressed, computeCusps(run.request.houseSystem, diurnalAngles, run.ephemeris));
    directAngles(t.minorProgressed, t.natal, t.natalObliquity, diurnalAngles.latitudeDeg);
    placeAndDeclinate(t.minorProgressed, t.natalObliquity);
}

// The message the worst reach of the moments calls for: beyond the library's range the
// positions are meaningless and the run stops; the analytical theory only warns.
std::optional<Message> reachMessage(EphemerisReach worst) {
    switch (worst) {
        case EphemerisReach::Beyond: return warningMessage(kBeyondEphemerisText);
        case EphemerisReach::AnalyticalTheory: return informationMessage(kAnalyticalTheoryText);
        case EphemerisReach::Files: break;
    }
    return std::nullopt;
}

double chartJulianDay(const ChartInput& input) {
    return julianDay(dayNumber({input.year, input.month, input.day}), dayFraction(input.time, input.pm(), input.zone));
}

}  // namespace

ChartRun computeCharts(const ChartRequest& request, const Ephemeris& ephemeris, const ChartTables& previous) {
    ChartRun result;
    const TypedInput natal = typedInput(request.natal), diurnal = typedInput(request.diurnal);
    result.messages = validateChartInput(natal, diurnal, !houseSystemLimitedToPolarCircles(request.houseSystem));
    if (!result.messages.empty()) return result;

    ChartTables t;
    t.chartName = request.natal.name;
    t.houseSystem = request.houseSystem;
    t.secondPerson = request.secondPerson;
    t.natalInput = readNatalInput(natal);
    t.diurnalInput = readDiurnalInput(diurnal, t.natalInput);

    t.natalMoment = momentAt(chartJulianDay(t.natalInput));
    t.diurnalMoment = momentAt(chartJulianDay(t.diurnalInput));
    t.progressedMoment = momentAt(progressedMoment(t.natalMoment.jd, t.diurnalMoment.jd));

    // The bodies of the three moments come first: their calls tell how far the ephemeris
    // reaches, before anything is built on them.
    EphemerisReach worst = EphemerisReach::Files;
    t.natal = bodiesAt(ephemeris, t.natalMoment, worst);
    t.progressed = bodiesAt(ephemeris, t.progressedMoment, worst);
    t.diurnal = bodiesAt(ephemeris, t.diurnalMoment, worst);
    const auto reach = reachMessage(worst);
    if (reach && reach->severity == Severity::Warning) {
        result.messages.push_back(*reach);
        return result;
    }

    RunContext run{request, ephemeris, t};
    computeNatal(run, t.natalInput);
    computeProgressed(run, t.natalInput, t.diurnalInput);
    const HouseAngles diurnalAngles = computeDiurnal(run, t.diurnalInput);
    computeMinor(run, diurnalAngles, previous, result.messages);
    if (reach) result.messages.push_back(*reach);
    for (Message& notice : rolledDateNotices(t.natalInput, t.diurnalInput, request.dateOrder)) {
        result.messages.push_back(std::move(notice));
    }

    result.tables = std::move(t);
    return result;
}

}  // namespace helion
