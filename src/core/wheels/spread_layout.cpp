#include "core/wheels/spread_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kMovedAngle = 0.25;  // a stack this near its exact angle needs no pointer line
constexpr int kMostJoinedHouses = 3;  // a crowded house and up to two neighbours
constexpr double kNoRoom = 1e12;      // the cost of a house that cannot hold its stacks

// Neighbouring houses together, when one cannot hold its stacks near their bodies: `widths`
// are their sectors from `line` on, and the stacks, in ring order, are shared out among them
// so that each stands wholly within one sector and no house line crosses a stack; the
// sharing that moves the stacks least wins.
std::optional<std::vector<Item>> placeOverSectors(const std::vector<Item>& items, double line,
                                                  std::span<const double> widths, const SpreadRing& ring,
                                                  const StackCells& cells) {
    if (widths.size() == 1) {
        std::vector<Item> all = items;
        return placeSide(all, line, widths[0], ring, cells) ? std::optional(all) : std::nullopt;
    }
    std::optional<std::vector<Item>> best;
    for (std::size_t split = 0; split <= items.size(); ++split) {
        std::vector<Item> first(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(split));
        if (!placeSide(first, line, widths[0], ring, cells)) break;  // more stacks fit no better
        std::vector<Item> rest(items.begin() + static_cast<std::ptrdiff_t>(split), items.end());
        for (Item& item : rest) item.target -= widths[0];
        auto placedRest = placeOverSectors(rest, line + widths[0], widths.subspan(1), ring, cells);
        if (!placedRest) continue;
        for (Item& item : *placedRest) {
            item.target += widths[0];
            item.position += widths[0];
            first.push_back(item);
        }
        if (!best || costOf(first, line) < costOf(*best, line)) best = std::move(first);
    }
    return best;
}

// Houses `first` .. `first + count - 1` of the ring as one run of stacks in ring order.
struct Run {
    double line = 0.0;  // where the run starts
    double span = 0.0;
    std::vector<double> widths;  // of its houses' sectors
    std::vector<Item> items;
    bool leftHouses = false;
};

Run runOf(std::span<const SpreadBody> bodies, const SpreadRing& ring, int first, int count) {
    const auto lineOf = [&](int house) { return ring.houseLine[static_cast<std::size_t>((house - 1) % 12 + 1)]; };
    Run run{lineOf(first), 0.0, {}, {}, false};
    for (int k = 0; k < count; ++k) {
        run.widths.push_back(normalize360(lineOf(first + k + 1) - lineOf(first + k)));
        run.span += run.widths.back();
    }
    for (const SpreadBody& b : bodies) {
        if (((b.house - first) % 12 + 12) % 12 >= count) continue;  // house numbers wrap after 12
        Item item;
        item.body = b;
        item.target = wrap180(b.exactAngle - run.line - run.span / 2.0) + run.span / 2.0;
        run.items.push_back(item);
    }
    // Ordered before the targets are pulled into the run, so that bodies just outside its
    // lines (which are drawn a little flattened) keep their order too.
    std::ranges::stable_sort(run.items, {}, &Item::target);
    for (Item& item : run.items) item.target = std::clamp(item.target, 0.0, run.span);
    return run;
}

// The last resort, for a ring too full for its houses even joined: its stacks spread over
// the whole ring from the middle of the widest gap between bodies, regardless of the house
// lines, so that they still keep apart and in order.
Run wholeRing(std::span<const SpreadBody> bodies, const SpreadRing& ring, const StackCells& cells) {
    std::vector<double> angles;
    for (const SpreadBody& b : bodies) angles.push_back(normalize360(b.exactAngle));
    std::ranges::sort(angles);
    double start = 0.0, widest = -1.0;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double gap = normalize360(angles[(i + 1) % angles.size()] - angles[i]);
        if (gap > widest || angles.size() == 1) widest = gap, start = angles[i] + gap / 2.0;
    }
    Run run{normalize360(start), 360.0, {360.0}, {}, true};
    for (const SpreadBody& b : bodies) {
        Item item;
        item.body = b;
        item.target = normalize360(b.exactAngle - run.line);
        run.items.push_back(item);
    }
    std::ranges::stable_sort(run.items, {}, &Item::target);
    if (!placeSide(run.items, run.line, run.span, ring, cells)) {
        for (Item& item : run.items) {  // nothing fits: the exact places
            item.row = 0;
            item.position = item.target;
            item.radius = outerRowRadius(bodyOf(item, run.line), ring, cells);
        }
    }
    return run;
}

// The ring's houses grouped into runs of one to kMostJoinedHouses neighbours. A house
// whose stacks find no room alone, or stand far from their bodies, may join its
// neighbours; of all such groupings round the ring the one that moves the stacks least wins.
class HouseRuns {
public:
    HouseRuns(std::span<const SpreadBody> bodies, const SpreadRing& ring, const StackCells& cells)
        : bodies_(bodies), ring_(ring), cells_(cells) {
        for (int house = 1; house <= 12; ++house) {
            const Run* alone = placed(house, 1);
            crowded_[at(house)] = !alone || !withinReach(alone->items, alone->line);
        }
    }

    // The runs of the cheapest grouping; none when some house's stacks find no room.
    std::vector<Run> cheapestGrouping() {
        std::vector<std::pair<int, int>> best;  // first house and count of each run
        const auto first = std::ranges::find(crowded_.begin() + 1, crowded_.end(), true);
        if (first == crowded_.end()) {
            for (int house = 1; house <= 12; ++house) best.emplace_back(house, 1);
        } else {
            // Some run holds the first crowded house; the rest of the ring then is a line of houses.
            const int crowded = static_cast<int>(first - crowded_.begin());
            double bestCost = std::numeric_limits<double>::infinity();
            for (int count = 1; count <= kMostJoinedHouses; ++count) {
                for (int start = crowded - count + 1; start <= crowded; ++start) {
                    auto grouping = cheapestAlong(start + count, 12 - count);
                    grouping.emplace_back(start, count);
                    double cost = 0.0;
                    for (const auto& [f, n] : grouping) cost += costOf(f, n);
                    if (cost < bestCost) bestCost = cost, best = std::move(grouping);
                }
            }
            if (bestCost >= kNoRoom) return {};
        }
        std::vector<Run> runs;
        for (const auto& [f, n] : best) runs.push_back(*placed(f, n));
        return runs;
    }

private:
    static std::size_t at(int house) { return static_cast<std::size_t>((house + 11) % 12 + 1); }

    // The cheapest grouping of `length` houses from `from` on, without wrapping round.
    std::vector<std::pair<int, int>> cheapestAlong(int from, int length) {
        std::vector<double> cost(static_cast<std::size_t>(length) + 1, 0.0);
        std::vector<int> last(static_cast<std::size_t>(length) + 1, 1);  // count of the run ending there
        for (int end = 1; end <= length; ++end) {
            cost[static_cast<std::size_t>(end)] = std::numeric_limits<double>::infinity();
            for (int count = 1; count <= std::min(end, kMostJoinedHouses); ++count) {
                if (!mayJoin(from + end - count, count)) continue;
                const double total = cost[static_cast<std::size_t>(end - count)] + costOf(from + end - count, count);
                if (total < cost[static_cast<std::size_t>(end)]) {
                    cost[static_cast<std::size_t>(end)] = total;
                    last[static_cast<std::size_t>(end)] = count;
                }
            }
        }
        std::vector<std::pair<int, int>> grouping;
        for (int end = length; end > 0; end -= last[static_cast<std::size_t>(end)]) {
            grouping.emplace_back(from + end - last[static_cast<std::size_t>(end)],
                                  last[static_cast<std::size_t>(end)]);
        }
        return grouping;
    }

    // Houses join only for a crowded one among them.
    bool mayJoin(int first, int count) const {
        if (count == 1) return true;
        for (int h = first; h < first + count; ++h) {
            if (crowded_[at(h)]) return true;
        }
        return false;
    }

    double costOf(int first, int count) {
        const Run* run = placed(first, count);
        return run ? helion::costOf(run->items, run->line) : kNoRoom;
    }

    // The run of `count` houses from `first` on, placed once and remembered; null when its
    // stacks find no room.
    const Run* placed(int first, int count) {
        const std::size_t h = at(first), n = static_cast<std::size_t>(count);
        if (!tried_[h][n]) {
            tried_[h][n] = true;
            Run run = runOf(bodies_, ring_, static_cast<int>(h), count);
            if (auto items = placeOverSectors(run.items, run.line, run.widths, ring_, cells_)) {
                run.items = std::move(*items);
                runs_[h][n] = std::move(run);
            }
        }
        return runs_[h][n] ? &*runs_[h][n] : nullptr;
    }

    std::span<const SpreadBody> bodies_;
    const SpreadRing& ring_;
    const StackCells& cells_;
    std::array<bool, 13> crowded_{};
    std::array<std::array<std::optional<Run>, kMostJoinedHouses + 1>, 13> runs_;
    std::array<std::array<bool, kMostJoinedHouses + 1>, 13> tried_{};
};

}  // namespace

double exactSectorAngle(double longitude, double cusp, double houseArc, double lineAngle, double sectorArc) {
    const double past = normalize360(longitude - cusp);
    // A body counted in the house though just outside its arc goes to the nearer end.
    const double outside = past - houseArc;
    const double share = houseArc <= 0.0 ? 0.0 : outside <= 0.0 ? past / houseArc : 360.0 - past < outside ? 0.0 : 1.0;
    return normalize360(lineAngle + sectorArc * share);
}

std::vector<SpreadStack> spreadRing(std::span<const SpreadBody> bodies, const SpreadRing& ring,
                                    const StackCells& cells) {
    HouseRuns runs(bodies, ring, cells);
    std::vector<Run> chosen = runs.cheapestGrouping();
    if (chosen.empty()) chosen.push_back(wholeRing(bodies, ring, cells));
    std::vector<SpreadStack> placed;
    for (const Run& run : chosen) {
        for (const Item& item : run.items) {
            placed.push_back({item.body.point, item.body.exactAngle, normalize360(run.line + item.position),
                              item.radius, item.row, run.leftHouses});
        }
    }
    return placed;
}

void appendPointer(std::vector<WheelPrimitive>& out, const SpreadStack& stack, double innerRadius,
                   std::span<const StackCell> cells, int colour) {
    const double c = cosDeg(stack.exactAngle), s = sinDeg(stack.exactAngle);
    const WheelPoint foot{innerRadius * c, innerRadius * s};
    const WheelPoint tip{(innerRadius + kPointerTick) * c, (innerRadius + kPointerTick) * s};
    out.push_back(LineShape{foot, tip, colour});
    if (stack.row == 0 && std::fabs(wrap180(stack.angle - stack.exactAngle)) < kMovedAngle) return;
    WheelPoint nearest{};
    double distance = std::numeric_limits<double>::infinity();
    for (const StackCell& cell : cells) {
        const WheelPoint p{std::clamp(tip.x, cell.shape.at.x, cell.shape.at.x + cell.box.width),
                           std::clamp(tip.y, cell.shape.at.y - cell.box.height, cell.shape.at.y)};
        const double d = std::hypot(p.x - tip.x, p.y - tip.y);
        if (d < distance) distance = d, nearest = p;
    }
    out.push_back(LineShape{tip, nearest, colour});
}

}  // namespace helion
