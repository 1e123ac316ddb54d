#include "core/wheels/glyph_spreading.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kFullCircleTolerance = 1.0 / 36000.0;
constexpr std::size_t kOccupancyEntries = 116;

struct Entry {
    Point point;
    double longitude;
    int house;
};

// Bodies by descending longitude, equal longitudes in body order, rotated so that the
// bodies of a house straddling 0 degrees Aries stay together.
std::vector<Entry> spreadingOrder(const RingChart& chart) {
    std::vector<Entry> entries;
    for (const Point p : kAllPoints) entries.push_back({p, chart.longitude[p], chart.house[p]});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.longitude > b.longitude; });
    // Bounded: when every body shares one house no rotation ends the run.
    for (std::size_t turns = 0; turns < entries.size() && entries.back().house == entries.front().house; ++turns) {
        std::rotate(entries.rbegin(), entries.rbegin() + 1, entries.rend());
    }
    return entries;
}

int preferredSlot(double longitude, const CuspTable& cusp, int house, int slots) {
    double distance = normalize360(longitude - cuspOfHouse(cusp, house));
    if (360.0 - distance < kFullCircleTolerance) distance = 0.0;
    const double arc = houseArc(cusp, house);
    if (!(arc > 0.0)) return 0;
    return static_cast<int>(std::min(std::trunc(slots * distance / arc), 1000.0));
}

// From the house's radius towards the next house's over the slots; a slot that a crowded
// house pushes past its last one lies in the next sector and keeps that house's radius
// rather than running on beyond it, out of the ring's band.
double interpolatedRadius(const RingLayout& layout, int house, int slot) {
    const double here = layout.startRadius[static_cast<std::size_t>(house - 1)];
    const double next = layout.startRadius[static_cast<std::size_t>(house % 12)];
    return here + (next - here) * std::min(slot, layout.slotCount) / layout.slotCount;
}

}  // namespace

bool isDrawnBody(Point p) { return p != Point::NorthNode && p != Point::SouthNode && p != Point::PartOfFortune; }

double cuspOfHouse(const CuspTable& cusp, int house) { return cusp[static_cast<std::size_t>(cuspEntryOfHouse(house))]; }

double houseArc(const CuspTable& cusp, int house) {
    const double arc = normalize360(cuspOfHouse(cusp, house % 12 + 1) - cuspOfHouse(cusp, house));
    return arc >= 277.5 ? 7.5 : arc;
}

PointArray<std::optional<int>> allocateSlots(const RingChart& chart, const CuspTable& cusp, int slots) {
    const std::vector<Entry> entries = spreadingOrder(chart);
    std::array<int, 13> count{};
    for (const Entry& e : entries) {
        if (e.house >= 1 && e.house <= 12) ++count[static_cast<std::size_t>(e.house)];
    }
    std::array<bool, kOccupancyEntries> occupied{};
    PointArray<std::optional<int>> slotOf{};
    int k = 1;
    int previousHouse = -1;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const int h = it->house;
        if (h != previousHouse) k = 1;
        previousHouse = h;
        if (h < 1 || h > 12) continue;
        const int n = count[static_cast<std::size_t>(h)];
        if (n > slots && (it->point == Point::SouthNode || it->point == Point::PartOfFortune)) continue;
        const auto index = [&](int s) { return static_cast<std::size_t>((h - 1) * slots + s); };
        int s = preferredSlot(it->longitude, cusp, h, slots);
        if (s >= slots - n && slots - s - n + k <= 0) {
            // Too late in the house for the bodies still to come: move back to leave room.
            const bool free = s - (n - k) >= 0 && index(s) < kOccupancyEntries && !occupied[index(s)];
            s = free ? slots - (n - k) - 1 : slots - n;
        }
        s = std::max(s, 0);
        while (index(s) < kOccupancyEntries && occupied[index(s)]) ++s;
        if (index(s) >= kOccupancyEntries) continue;
        occupied[index(s)] = true;
        ++k;
        slotOf[it->point] = s;
    }
    return slotOf;
}

std::optional<double> tableRadius(std::span<const std::int16_t> glyphRadii, double angle) {
    const auto index = static_cast<std::size_t>(std::clamp(std::floor(angle), 0.0, 360.0));
    if (index >= glyphRadii.size()) return std::nullopt;
    return glyphRadii[index];
}

RingPlacement placeRing(const RingChart& chart, const CuspTable& cusp, const RingLayout& layout,
                        std::span<const std::int16_t> glyphRadii) {
    const auto slots = allocateSlots(chart, cusp, layout.slotCount);
    RingPlacement placement{};
    for (const Point p : kAllPoints) {
        PlacedBody& body = placement[p];
        body.point = p;
        body.house = chart.house[p];
        body.slot = slots[p];
        if (!body.slot) continue;
        body.angle = layout.sectorStart[static_cast<std::size_t>(body.house - 1)] + *body.slot * layout.spacing;
        const auto fromTable = layout.ring == ring::Natal ? tableRadius(glyphRadii, body.angle) : std::nullopt;
        body.radius = fromTable ? *fromTable : interpolatedRadius(layout, body.house, *body.slot);
        body.drawn = isDrawnBody(p);
    }
    return placement;
}

}  // namespace helion
