#include <cmath>

#include "core/astro/angles.h"
#include "core/astro/houses.h"
#include "core/events/event_scan.h"

namespace helion {
namespace {

constexpr int kSigns = 12;

// Cusp entry k opens house ((k + 8) mod 12) + 1.
int houseOpenedBy(int cuspEntry) { return (cuspEntry + 8) % kSigns + 1; }

// Going backwards over a boundary enters the sign or house before it.
int entered(int opened, bool backwards) { return backwards ? (opened + kSigns - 2) % kSigns + 1 : opened; }

}  // namespace

int signOf(double longitudeDeg) { return static_cast<int>(std::floor(normalize360(longitudeDeg) / 30.0)) % kSigns + 1; }

int natalHouseOf(double longitudeDeg, const CuspTable& cusp) {
    PointTable one{};
    one[Point::Sun] = normalize360(longitudeDeg);
    return placeInHouses(one, cusp)[Point::Sun];
}

void placeEvent(Event& event, double longitudeDeg, const CuspTable& cusp) {
    event.longitude = normalize360(longitudeDeg);
    event.sign = signOf(event.longitude);
    event.house = natalHouseOf(event.longitude, cusp);
}

void addIngressEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets, EventKind kind,
                      const EventPeriod& period, std::vector<Event>& events) {
    const bool houses = kind == EventKind::HouseIngress;
    std::vector<double> levels;
    for (int k = 1; k <= kSigns; ++k)
        levels.push_back(houses ? targets.cusp[static_cast<std::size_t>(k)] : 30.0 * (k - 1));
    for (const LevelCrossing& c : track.crossings(levels)) {
        const std::optional<double> jd = track.momentWithin(c, period.fromJdUt, period.toJdUt);
        if (!jd) continue;
        const bool backwards = c.speedDegPerDay < 0.0;
        const int opened = houses ? houseOpenedBy(static_cast<int>(c.level) + 1) : static_cast<int>(c.level) + 1;
        Event e;
        e.kind = kind;
        e.mover = point.mover;
        e.body = point.body;
        e.jdUt = *jd;
        e.retrograde = backwards;
        placeEvent(e, levels[c.level], targets.cusp);
        if (houses) {
            e.house = entered(opened, backwards);
        } else {
            e.sign = entered(opened, backwards);
        }
        events.push_back(std::move(e));
    }
}

void addStationEvents(const SampledTrack& track, const MovingPoint& point, const NatalTargets& targets,
                      const EventPeriod& period, std::vector<Event>& events) {
    for (const Station& s : track.stations(period.fromJdUt, period.toJdUt)) {
        if (!period.holds(s.jdUt)) continue;
        Event e;
        e.kind = EventKind::Station;
        e.mover = point.mover;
        e.body = point.body;
        e.jdUt = s.jdUt;
        e.retrograde = s.turnsRetrograde;
        e.detail = s.turnsRetrograde ? "retrograde" : "direct";
        placeEvent(e, s.longitudeDeg, targets.cusp);
        events.push_back(std::move(e));
    }
}

}  // namespace helion
