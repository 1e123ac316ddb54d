// The timeline search on skies made to order: each row moves one body along a path with a
// known shape and checks the events the search finds for it.

#include "core/events/event_finder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kStart = 2460000.5;
constexpr double kSecond = 1.0 / 86400.0;

using Path = std::function<double(double days)>;  // longitude at days after kStart

// Every body stands still far from the targets but one, which follows its path.
class PathEphemeris final : public Ephemeris, public EclipseSearch {
public:
    PathEphemeris(int ephemerisBody, Path path) : body_(ephemerisBody), path_(std::move(path)) {}
    double computableFromJd = 0.0;

    LongitudeAndSpeed longitude(double jd, int b) const override {
        const EphemerisReach reach = jd < computableFromJd ? EphemerisReach::Beyond : EphemerisReach::Files;
        if (b != body_) return {200.0 + b, 0.0, reach};
        const double d = jd - kStart, h = 1e-4;
        return {normalize360(path_(d)), (path_(d + h) - path_(d - h)) / (2.0 * h), reach};
    }
    double declination(double, int) const override { return 0.0; }
    NaturalCusps housesAtArmc(HouseSystem, double, double, double) const override { return {}; }
    std::optional<EclipseFound> nextSolarEclipse(double) const override { return std::nullopt; }
    std::optional<EclipseFound> nextLunarEclipse(double) const override { return std::nullopt; }

private:
    int body_;
    Path path_;
};

struct ExpectedHit {
    double days;  // after kStart
    int pass;
    bool retrograde;
};

struct PathCase {
    const char* name;
    int body;  // library body number, and with it the point
    Path path;
    double periodDays;
    EventKind kind;
    std::vector<ExpectedHit> hits;
    bool enterAndLeaveFound;
};

EventRequest requestFor(double periodDays, EventChoices choices) {
    EventRequest request;
    request.natal.longitude.fill(250.0);
    request.natal.longitude[Point::Sun] = 0.0;  // the one target the paths aim at
    for (std::size_t k = 1; k <= 12; ++k) request.natalCusp[k] = 30.0 * static_cast<double>(k) + 15.0;
    request.period = {kStart, kStart + periodDays};
    request.choices = choices;
    request.transitOrbs.value[orbEntry(Aspect::Square)] = 2.0F;
    return request;
}

std::vector<Event> found(const PathCase& c, const PathEphemeris& sky) {
    // Each row asks for its own kind alone: a kind is found without the others' help.
    EventChoices choices;
    choices.set(c.kind == EventKind::Aspect    ? EventChoice::Transits
                : c.kind == EventKind::Station ? EventChoice::Stations
                                               : EventChoice::Ingresses);
    std::vector<Event> events = findEvents(requestFor(c.periodDays, choices), sky, sky).events;
    std::erase_if(events, [&](const Event& e) {
        return e.kind != c.kind || (e.kind == EventKind::Aspect && e.target != Point::Sun);
    });
    return events;
}

class PathEvents : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathEvents, AreFoundAtTheirMoments) {
    const PathCase& c = GetParam();
    const PathEphemeris sky(c.body, c.path);
    const std::vector<Event> events = found(c, sky);
    ASSERT_EQ(events.size(), c.hits.size()) << c.name;
    for (std::size_t k = 0; k < events.size(); ++k) {
        EXPECT_NEAR(events[k].jdUt, kStart + c.hits[k].days, kSecond) << c.name << " #" << k;
        EXPECT_EQ(events[k].pass, c.hits[k].pass) << c.name << " #" << k;
        EXPECT_EQ(events[k].retrograde, c.hits[k].retrograde) << c.name << " #" << k;
        EXPECT_EQ(events[k].enterJdUt.has_value(), c.enterAndLeaveFound) << c.name;
        EXPECT_EQ(events[k].leaveJdUt.has_value(), c.enterAndLeaveFound) << c.name;
    }
}

// Saturn's loop: forwards 0.03 a day, with a swing of 5 degrees a year either way.
double saturnLoop(double d) { return 84.0 + 0.03 * d + 5.0 * std::sin(2.0 * kPi * d / 378.0); }

// The days at which a path meets a longitude, found by plain bisection between the days
// the caller knows bracket it.
double meets(const Path& path, double longitude, double a, double b) {
    for (int i = 0; i < 60; ++i) {
        const double m = 0.5 * (a + b);
        ((path(a) - longitude) * (path(m) - longitude) <= 0.0 ? b : a) = m;
    }
    return 0.5 * (a + b);
}

// Turning back exactly on the square to Sun at 0 degrees, on day 20.
double turnsOnTheSquare(double d) { return 90.0 - 0.001 * (d - 20.0) * (d - 20.0); }
double creepsThroughTheSquare(double d) { return 89.99 + 0.002 * d; }
double entersAries(double d) { return 359.5 + d; }

INSTANTIATE_TEST_SUITE_P(
    Skies, PathEvents,
    ::testing::Values(
        PathCase{"three-pass Saturn square",
                 6,
                 saturnLoop,
                 400.0,
                 EventKind::Aspect,
                 {{meets(saturnLoop, 90.0, 0, 130), 1, false},
                  {meets(saturnLoop, 90.0, 130, 300), 2, true},
                  {meets(saturnLoop, 90.0, 300, 400), 3, false}},
                 true},
        // One hit, at the station, not retrograde yet.
        PathCase{"station on the square", 6, turnsOnTheSquare, 40.0, EventKind::Aspect, {{20.0, 1, false}}, true},
        PathCase{"station turning retrograde", 6, turnsOnTheSquare, 40.0, EventKind::Station, {{20.0, 0, true}}, false},
        // In orb for years on either side of a one-month period: the edges lie beyond the search.
        PathCase{"in orb throughout", 6, creepsThroughTheSquare, 30.0, EventKind::Aspect, {{5.0, 1, false}}, false},
        PathCase{"ingress at 0 Aries", 0, entersAries, 3.0, EventKind::SignIngress, {{0.5, 0, false}}, false},
        PathCase{
            "ingress near the period's end", 0, entersAries, 0.55, EventKind::SignIngress, {{0.5, 0, false}}, false},
        // A one-day period holds the ingress of its own day only.
        PathCase{"one-day period", 0, entersAries, 0.4, EventKind::SignIngress, {}, false}));

TEST(EventPeriodCheck, BeyondTheEphemerisSaysSoAndFindsNothing) {
    PathEphemeris sky(0, [](double d) { return d; });
    sky.computableFromJd = kStart + 10.0;
    const EventSearch search = findEvents(requestFor(30.0, EventChoices::usual()), sky, sky);
    EXPECT_TRUE(search.events.empty());
    ASSERT_EQ(search.messages.size(), 1u);
    EXPECT_EQ(search.messages[0].text, kEventPeriodBeyondText);
}

// An empty or reversed period is refused before any search.
TEST(EventPeriodCheck, APeriodThatDoesNotEndAfterItBeginsIsRefused) {
    const PathEphemeris sky(0, [](double d) { return d; });
    for (const auto& [days, refused] : {std::pair{-1.0, true}, std::pair{0.0, true}, std::pair{1.0, false}}) {
        const EventSearch search = findEvents(requestFor(days, EventChoices::usual()), sky, sky);
        EXPECT_EQ(search.messages.size() == 1 && search.messages[0].text == kEventPeriodOrderText, refused) << days;
        EXPECT_TRUE(!refused || search.events.empty()) << days;
    }
}

TEST(EventPeriodCheck, CalendarReformDropsTenDays) {
    // 4 October 1582 (Julian) was followed by 15 October (Gregorian).
    const EventPeriod period = periodOfLocalDays({1582, 10, 4}, {1582, 10, 15}, 0.0);
    EXPECT_DOUBLE_EQ(period.toJdUt - period.fromJdUt, 2.0);
    EXPECT_EQ(localMomentText(period.fromJdUt + 1.0 + 0.5 / 86400.0, 0.0), "15 Oct 1582 00:00:01");
}

}  // namespace
}  // namespace helion
