// The timeline search against a plain scan of the ephemeris: every hour for the planets
// and every ten minutes for the Moon, each change of side closed in on by regula falsi.
// For a year over two natal charts both must find the same exact aspects, ingresses and
// stations, to the second.

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
constexpr double kYear2026 = 2461041.5;  // 1 January 2026, 0h UT

using Key = std::tuple<EventKind, Point, std::optional<Aspect>, std::optional<Point>,
                       bool>;  // kind, body, aspect, target, retrograde
using Found = std::map<Key, std::vector<double>>;

struct Scanner {
    const SwissEphemeris& eph;
    Point point;
    double step;
    std::vector<double> jd, lon, speed;

    LongitudeAndSpeed at(double t) const {
        if (point == Point::NorthNode) {
            const auto node = [](double d) { return theory::meanLunarNode(julianCenturies(d)); };
            return {normalize360(node(t)), (node(t + 0.01) - node(t - 0.01)) / 0.02, EphemerisReach::Files};
        }
        return eph.longitude(t, ephemerisBody(point));
    }

    Scanner(const SwissEphemeris& e, Point p, double from, double to)
        : eph(e), point(p), step(p == Point::Moon ? 1.0 / 144.0 : 1.0 / 24.0) {
        for (double t = from; t <= to + step; t += step) {
            const LongitudeAndSpeed s = at(t);
            jd.push_back(t);
            lon.push_back(s.longitudeDeg);
            speed.push_back(s.speedDegPerDay);
        }
    }

    // Illinois regula falsi on f between a and b, where f changes sign.
    template <typename F>
    static double closeIn(F f, double a, double b) {
        double fa = f(a), fb = f(b);
        int side = 0;
        for (int i = 0; i < 100 && b - a > 0.01 * kSecond; ++i) {
            const double m = (a * fb - b * fa) / (fb - fa);
            const double fm = f(m);
            if ((fm < 0) == (fa < 0)) {
                a = m, fa = fm;
                if (side == -1) fb *= 0.5;
                side = -1;
            } else {
                b = m, fb = fm;
                if (side == 1) fa *= 0.5;
                side = 1;
            }
        }
        return 0.5 * (a + b);
    }

    // Moments the longitude passes the level, each with its motion there.
    std::vector<std::pair<double, double>> crossings(double level) const {
        std::vector<std::pair<double, double>> out;
        const auto f = [&](double t) { return wrap180(at(t).longitudeDeg - level); };
        for (std::size_t i = 0; i + 1 < jd.size(); ++i) {
            const double a = wrap180(lon[i] - level), b = wrap180(lon[i + 1] - level);
            if (std::fabs(a) > 90.0 || (a < 0.0) == (b < 0.0)) continue;
            const double t = closeIn(f, jd[i], jd[i + 1]);
            out.emplace_back(t, at(t).speedDegPerDay);
        }
        return out;
    }

    std::vector<std::pair<double, bool>> stations() const {
        std::vector<std::pair<double, bool>> out;
        for (std::size_t i = 0; i + 1 < jd.size(); ++i) {
            if ((speed[i] < 0.0) == (speed[i + 1] < 0.0)) continue;
            out.emplace_back(closeIn([&](double t) { return at(t).speedDegPerDay; }, jd[i], jd[i + 1]),
                             speed[i + 1] < 0.0);
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
        for (const Point target : kAllPoints) {
            if (target == Point::PartOfFortune) continue;
            for (const Aspect aspect : kAspects) {
                const double orb = request.transitOrbs.orb(aspect);
                if (aspect == Aspect::Parallel || orb <= 0.0) continue;
                const double natal = request.natal.longitude[target];
                const int angle = aspectAngle(aspect);
                const int sides = angle == 0 || angle == 180 ? 1 : 2;
                for (int side = 0; side < sides; ++side) {
                    for (const auto& [t, v] : scan.crossings(natal + (side == 0 ? angle : -angle)))
                        keep({EventKind::Aspect, p, aspect, target, v < 0.0}, t);
                }
            }
        }
        for (int sign = 0; sign < 12; ++sign) {
            for (const auto& [t, v] : scan.crossings(30.0 * sign))
                keep({EventKind::SignIngress, p, std::nullopt, std::nullopt, v < 0.0}, t);
        }
        if (p < Point::Mercury || p > Point::Pluto) continue;
        for (const auto& [t, retro] : scan.stations())
            keep({EventKind::Station, p, std::nullopt, std::nullopt, retro}, t);
    }
    return found;
}

class EventCrossCheck : public ::testing::TestWithParam<double> {
protected:
    SwissEphemeris eph{ephemerisPath(HELION_SOURCE_DIR "/data")};
};

TEST_P(EventCrossCheck, FinderAndPlainScanAgreeToTheSecond) {
    EventRequest request;
    request.natal.jdUt = GetParam();
    for (const Point p : kBodies) request.natal.longitude[p] = eph.longitude(GetParam(), ephemerisBody(p)).longitudeDeg;
    request.natal.longitude[Point::NorthNode] = normalize360(theory::meanLunarNode(julianCenturies(GetParam())));
    request.natal.longitude[Point::SouthNode] = normalize360(request.natal.longitude[Point::NorthNode] + 180.0);
    request.natal.longitude[Point::Ascendant] = 123.4;
    request.natal.longitude[Point::Midheaven] = 33.3;
    request.period = {kYear2026, kYear2026 + 365.0};
    request.choices = {};
    for (const EventChoice c :
         {EventChoice::Transits, EventChoice::Moon, EventChoice::Stations, EventChoice::Ingresses})
        request.choices.set(c);
    request.transitOrbs = loadOrbTable(HELION_SOURCE_DIR "/data/NAT2TRAN.ORB").table;

    Found finder;
    for (const Event& e : findEvents(request, eph, eph).events)
        finder[{e.kind, e.body, e.aspect, e.target, e.retrograde}].push_back(e.jdUt);
    Found scan = bruteForce(eph, request);
    for (auto& [key, times] : scan) std::sort(times.begin(), times.end());

    ASSERT_EQ(finder.size(), scan.size());
    for (const auto& [key, times] : scan) {
        const auto found = finder.find(key);
        ASSERT_NE(found, finder.end());
        ASSERT_EQ(found->second.size(), times.size())
            << static_cast<int>(std::get<0>(key)) << " body " << pointNumber(std::get<1>(key));
        // At a station the motion is flat: the ephemeris's speed there changes by some 1e-8
        // degrees a day over seconds, near its own rounding, so its sign settles to a few seconds.
        const double tolerance = std::get<0>(key) == EventKind::Station ? 5.0 * kSecond : kSecond;
        for (std::size_t k = 0; k < times.size(); ++k)
            EXPECT_NEAR(found->second[k], times[k], tolerance)
                << " body " << pointNumber(std::get<1>(key)) << " aspect "
                << aspectCode(std::get<2>(key).value_or(Aspect{})) << " target "
                << (std::get<3>(key) ? pointNumber(*std::get<3>(key)) : 0);
    }
}

// Two natal charts: 7 March 1952 15:30 UT and 20 November 1985 8:00 UT.
INSTANTIATE_TEST_SUITE_P(Charts, EventCrossCheck, ::testing::Values(2434079.145833, 2446389.833333));

}  // namespace
}  // namespace helion
