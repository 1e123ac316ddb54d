// The timeline search against a plain scan of the ephemeris (every hour, every ten minutes
// for the Moon, each change of side closed in on): for a year over two natal charts both
// must find the same exact aspects, ingresses and stations, to the second.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "core/aspects/aspect_kinds.h"
#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"
#include "core/events/event_finder.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// Kind, body, aspect, target, retrograde.
using Key = std::tuple<EventKind, Point, std::optional<Aspect>, std::optional<Point>, bool>;
using Found = std::map<Key, std::vector<double>>;

// Each change of sign of g(longitude and speed) between samples: its moment, the speed
// there and whether g is negative after it.
struct Scanner {
    const SwissEphemeris& eph;
    Point point;
    double from, step;
    std::vector<LongitudeAndSpeed> samples;

    LongitudeAndSpeed at(double t) const {
        if (point != Point::NorthNode) return eph.longitude(t, ephemerisBody(point));
        const auto node = [](double d) { return theory::meanLunarNode(julianCenturies(d)); };
        return {normalize360(node(t)), (node(t + 0.01) - node(t - 0.01)) / 0.02, EphemerisReach::Files};
    }

    Scanner(const SwissEphemeris& e, Point p, double fromJd, double toJd)
        : eph(e), point(p), from(fromJd), step(p == Point::Moon ? 1.0 / 144.0 : 1.0 / 24.0) {
        for (double t = fromJd; t <= toJd + step; t += step) samples.push_back(at(t));
    }

    template <typename G>
    std::vector<std::tuple<double, double, bool>> changes(G g) const {
        std::vector<std::tuple<double, double, bool>> out;
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            const double ga = g(samples[i]), gb = g(samples[i + 1]);
            if (std::fabs(ga) > 90.0 || (ga < 0.0) == (gb < 0.0)) continue;
            // Bisection to a hundredth of a second.
            double a = from + static_cast<double>(i) * step, b = a + step;
            while (b - a > 0.01 * kSecond) ((g(at(0.5 * (a + b))) < 0.0) == (ga < 0.0) ? a : b) = 0.5 * (a + b);
            out.emplace_back(0.5 * (a + b), at(0.5 * (a + b)).speedDegPerDay, gb < 0.0);
        }
        return out;
    }
};

Found bruteForce(const SwissEphemeris& eph, const EventRequest& request) {
    Found found;
    const EventPeriod& period = request.period;
    const auto keep = [&](Key key, double t) {
        if (period.holds(t)) found[key].push_back(t);
    };
    for (const Point p : {Point::Sun, Point::Mercury, Point::Venus, Point::Mars, Point::Jupiter, Point::Saturn,
                          Point::Uranus, Point::Neptune, Point::Pluto, Point::NorthNode, Point::Moon}) {
        const Scanner scan(eph, p, period.fromJdUt, period.toJdUt);
        const auto passes = [&](double level, Key key) {
            const auto side = [level](const LongitudeAndSpeed& s) { return wrap180(s.longitudeDeg - level); };
            for (const auto& [t, v, after] : scan.changes(side)) {
                std::get<4>(key) = v < 0.0;
                keep(key, t);
            }
        };
        for (const Point target : kAllPoints) {
            for (const Aspect aspect : kAspects) {
                if (target == Point::PartOfFortune || aspect == Aspect::Parallel ||
                    request.transitOrbs.orb(aspect) <= 0.0)
                    continue;
                const double natal = request.natal.longitude[target];
                const int angle = aspectAngle(aspect);
                passes(natal + angle, {EventKind::Aspect, p, aspect, target, false});
                if (angle % 180 != 0) passes(natal - angle, {EventKind::Aspect, p, aspect, target, false});
            }
        }
        for (int sign = 0; sign < 12; ++sign) passes(30.0 * sign, {EventKind::SignIngress, p, {}, {}, false});
        if (p < Point::Mercury || p > Point::Pluto) continue;
        for (const auto& [t, v, retro] : scan.changes([](const LongitudeAndSpeed& s) { return s.speedDegPerDay; }))
            keep({EventKind::Station, p, std::nullopt, std::nullopt, retro}, t);
    }
    return found;
}

class EventCrossCheck : public ::testing::TestWithParam<double> {};

TEST_P(EventCrossCheck, FinderAndPlainScanAgreeToTheSecond) {
    const SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    EventRequest request;
    request.natal.jdUt = GetParam();
    for (const Point p : kBodies) request.natal.longitude[p] = eph.longitude(GetParam(), ephemerisBody(p)).longitudeDeg;
    request.natal.longitude[Point::NorthNode] = normalize360(theory::meanLunarNode(julianCenturies(GetParam())));
    request.natal.longitude[Point::SouthNode] = normalize360(request.natal.longitude[Point::NorthNode] + 180.0);
    request.natal.longitude[Point::Ascendant] = 123.4;
    request.natal.longitude[Point::Midheaven] = 33.3;
    request.period = {2461041.5, 2461041.5 + 365.0};  // 2026 from 1 January, 0h UT
    request.choices = *parseEventChoices("transits,moon,stations,ingresses");
    request.transitOrbs = loadOrbTable(HELION_SOURCE_DIR "/data/NAT2TRAN.ORB").table;

    Found finder;
    for (const Event& e : findEvents(request, eph, eph).events)
        finder[{e.kind, e.body, e.aspect, e.target, e.retrograde}].push_back(e.jdUt);
    Found scan = bruteForce(eph, request);
    for (auto& [key, times] : scan) std::sort(times.begin(), times.end());

    ASSERT_EQ(finder.size(), scan.size());
    for (const auto& [key, times] : scan) {
        const auto& [kind, body, aspect, target, retrograde] = key;
        ASSERT_EQ(finder[key].size(), times.size())
            << "kind " << static_cast<int>(kind) << " body " << pointNumber(body) << " target " << target.has_value();
        // At a station the motion is flat: the ephemeris's speed there changes by some 1e-8
        // degrees a day over seconds, near its own rounding, so its sign settles to a few seconds.
        for (std::size_t k = 0; k < times.size(); ++k)
            EXPECT_NEAR(finder[key][k], times[k], kind == EventKind::Station ? 5.0 * kSecond : kSecond);
    }
}

// Two natal charts: 7 March 1952 15:30 UT and 20 November 1985 8:00 UT.
INSTANTIATE_TEST_SUITE_P(Charts, EventCrossCheck, ::testing::Values(2434079.145833, 2446389.833333));

}  // namespace
}  // namespace helion
