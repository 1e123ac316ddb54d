#include "core/wheels/spread_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kCellMargin = 0.4;  // around every cell: stacks stay twice this apart
constexpr double kRowGap = 2.0;      // between the two rows of a crowded house
constexpr double kInnerClearance = kCircleClearance + kPointerTick;
constexpr int kRefinements = 8;       // footprints change a little with the angle; rounds to settle them
constexpr double kMovedAngle = 0.25;  // a stack this near its exact angle needs no pointer line
constexpr double kMinimumStep = 0.01;
// Degrees a measured footprint may exceed the packed one and still count as settled: the
// start radii settle only to a thousandth of a unit, far inside the cell margin.
constexpr double kSettled = 1e-3;
constexpr int kMostJoinedHouses =
    3;  // a crowded house and up to two neighbours  // degrees between stacks of different rows, so order stays strict

// What a stack covers seen from the centre: the angles before and after its drawing angle
// (either may be negative: a top-left anchored stack can lie wholly to one side) and the
// nearest and farthest distance of its cells, each widened by the cell margin.
struct Footprint {
    double before = -std::numeric_limits<double>::infinity();
    double after = -std::numeric_limits<double>::infinity();
    double nearest = std::numeric_limits<double>::infinity();
    double farthest = 0.0;
};

Footprint footprintOf(std::span<const StackCell> cells, double angle) {
    Footprint f;
    for (const StackCell& c : cells) {
        const double left = c.shape.at.x - kCellMargin, right = c.shape.at.x + c.box.width + kCellMargin;
        const double top = c.shape.at.y + kCellMargin, bottom = c.shape.at.y - c.box.height - kCellMargin;
        for (const double x : {left, right}) {
            for (const double y : {top, bottom}) {
                const double d = wrap180(radToDeg(std::atan2(y, x)) - angle);
                f.before = std::max(f.before, -d);
                f.after = std::max(f.after, d);
                f.farthest = std::max(f.farthest, std::hypot(x, y));
            }
        }
        f.nearest = std::min(f.nearest, std::hypot(std::clamp(0.0, left, right), std::clamp(0.0, bottom, top)));
    }
    return f;
}

Footprint footprintAt(PlacedBody body, const StackCells& cells) { return footprintOf(cells(body), body.angle); }

// The start radius at which the stack's farthest cell edge reaches `farthest`; the edge
// moves almost one for one with the start radius, so a few corrections settle it.
double radiusReaching(PlacedBody body, double farthest, const StackCells& cells) {
    body.radius = farthest;
    for (int round = 0; round < 8; ++round) {
        const double over = footprintAt(body, cells).farthest - farthest;
        if (over <= kSettled && over > -1e-3) break;
        body.radius -= over;
    }
    return body.radius;
}

// The start radius of a stack in the outer row: its farthest cell just inside the outer circle.
double outerRowRadius(PlacedBody body, const SpreadRing& ring, const StackCells& cells) {
    return radiusReaching(body, ring.outerRadius - kCircleClearance, cells);
}

struct Item {
    SpreadBody body;
    double target = 0.0;    // degrees past the house's line
    double position = 0.0;  // where the stack is drawn, the same way
    double before = -std::numeric_limits<double>::infinity();
    double after = -std::numeric_limits<double>::infinity();
    double radius = 0.0;
    int row = 0;
};

// Least distances from each item to the next: their footprints apart; or, with two rows
// alternating, half of that, enough though for each item to clear the next but one, which
// shares its row.
std::vector<double> stepsBetween(const std::vector<Item>& items, int rows) {
    std::vector<double> steps;
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        const double apart = items[i].after + items[i + 1].before;
        if (rows == 1) {
            steps.push_back(apart);
            continue;
        }
        double step = apart / 2.0;
        if (i > 0) step = std::max(step, items[i - 1].after + items[i + 1].before - steps[i - 1]);
        steps.push_back(std::max(step, kMinimumStep));
    }
    return steps;
}

// Positions in order, each at least its step past the one before and within
// [before, span - after], as near the targets as possible in least squares: pooling of
// adjacent violators on the targets less their offsets, clamped to the tightest bounds.
bool packHouse(std::vector<Item>& items, int rows, double span) {
    const std::size_t n = items.size();
    std::vector<double> offset(n, 0.0), lower(n), upper(n);
    const std::vector<double> steps = stepsBetween(items, rows);
    for (std::size_t i = 1; i < n; ++i) offset[i] = offset[i - 1] + steps[i - 1];
    for (std::size_t i = 0; i < n; ++i) {
        lower[i] = items[i].before - offset[i];
        upper[i] = span - items[i].after - offset[i];
        if (i > 0) lower[i] = std::max(lower[i], lower[i - 1]);
    }
    for (std::size_t i = n - 1; i-- > 0;) upper[i] = std::min(upper[i], upper[i + 1]);
    struct Block {
        double sum;
        double count;
    };
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < n; ++i) {
        blocks.push_back({items[i].target - offset[i], 1.0});
        while (blocks.size() > 1 && blocks[blocks.size() - 2].sum / blocks[blocks.size() - 2].count >
                                        blocks.back().sum / blocks.back().count) {
            blocks[blocks.size() - 2].sum += blocks.back().sum;
            blocks[blocks.size() - 2].count += blocks.back().count;
            blocks.pop_back();
        }
    }
    std::size_t i = 0;
    for (const Block& block : blocks) {
        for (int k = 0; k < static_cast<int>(block.count); ++k, ++i) {
            if (lower[i] > upper[i]) return false;
            items[i].position = std::clamp(block.sum / block.count, lower[i], upper[i]) + offset[i];
        }
    }
    return true;
}

PlacedBody bodyOf(const Item& item, double line) {
    PlacedBody body;
    body.point = item.body.point;
    body.house = item.body.house;
    body.angle = normalize360(line + item.position);
    body.radius = item.radius;
    return body;
}

// Measures every stack where it stands; false when a row leaves the band. `settled`
// tells whether the measured stacks already keep their steps and their house.
bool measure(std::vector<Item>& items, int rows, double line, double span, const SpreadRing& ring,
             const StackCells& cells, bool& settled) {
    settled = true;
    // The inner row starts below the nearest cell of any stack of the outer row, so the two
    // rows cover disjoint radii whatever the stacks' angles.
    double outerRowNearest = std::numeric_limits<double>::infinity();
    for (Item& item : items) {
        PlacedBody body = bodyOf(item, line);
        body.radius = outerRowRadius(body, ring, cells);
        const double nearest = footprintAt(body, cells).nearest;
        if (item.row == 0) item.radius = body.radius;
        outerRowNearest = std::min(outerRowNearest, nearest);
    }
    std::vector<Footprint> now;
    for (Item& item : items) {
        if (item.row == 1) {
            item.radius = radiusReaching(bodyOf(item, line), outerRowNearest - kRowGap, cells);
            if (footprintAt(bodyOf(item, line), cells).nearest < ring.innerRadius + kInnerClearance) return false;
        }
        now.push_back(footprintAt(bodyOf(item, line), cells));
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        settled = settled && items[i].position - now[i].before >= -kSettled &&
                  items[i].position + now[i].after <= span + kSettled;
        items[i].before = std::max(items[i].before, now[i].before);
        items[i].after = std::max(items[i].after, now[i].after);
    }
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        const double step = rows == 1 ? now[i].after + now[i + 1].before : kMinimumStep;
        settled = settled && items[i + 1].position - items[i].position >= step - kSettled;
    }
    for (std::size_t i = 0; rows == 2 && i + 2 < items.size(); ++i) {
        settled = settled && items[i + 2].position - items[i].position >= now[i].after + now[i + 2].before - kSettled;
    }
    return true;
}

bool placeInRows(std::vector<Item>& items, int rows, double line, double span, const SpreadRing& ring,
                 const StackCells& cells) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].row = static_cast<int>(i) % rows;
        items[i].position = items[i].target;
        items[i].before = items[i].after = -std::numeric_limits<double>::infinity();
    }
    for (int round = 0; round < kRefinements; ++round) {
        bool settled = false;
        if (!measure(items, rows, line, span, ring, cells, settled)) return false;
        if (settled) return true;
        if (!packHouse(items, rows, span)) return false;
    }
    return false;
}

// One row, else two; false when neither fits between `line` and `span` degrees past it.
bool placeSide(std::vector<Item>& items, double line, double span, const SpreadRing& ring, const StackCells& cells) {
    return items.empty() || placeInRows(items, 1, line, span, ring, cells) ||
           placeInRows(items, 2, line, span, ring, cells);
}

double squaredDisplacement(const std::vector<Item>& items) {
    double sum = 0.0;
    for (const Item& item : items) sum += (item.position - item.target) * (item.position - item.target);
    return sum;
}

// Neighbouring houses together, when one cannot hold its own stacks: `widths` are their
// sectors from `line` on, and the stacks, in ring order, are shared out among them so that
// each stands wholly within one sector and no house line crosses a stack; the sharing
// that moves the stacks least wins.
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
        if (!best || squaredDisplacement(first) < squaredDisplacement(*best)) best = std::move(first);
    }
    return best;
}

// Houses `first` .. `first + count - 1` of the ring as one run of stacks in ring order.
struct Run {
    int first = 1;
    double line = 0.0;  // where the run starts
    double span = 0.0;
    std::vector<double> widths;  // of its houses' sectors
    std::vector<Item> items;
    bool leftHouses = false;
};

Run runOf(std::span<const SpreadBody> bodies, const SpreadRing& ring, int first, int count) {
    const auto lineOf = [&](int house) { return ring.houseLine[static_cast<std::size_t>((house - 1) % 12 + 1)]; };
    Run run{first, lineOf(first), 0.0, {}, {}, false};
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
    Run run{1, normalize360(start), 360.0, {360.0}, {}, true};
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
    std::array<std::optional<Run>, 13> runOfHouse;  // houses 1..12; a joined run under both houses
    std::vector<int> crowded;
    for (int house = 1; house <= 12; ++house) {
        Run run = runOf(bodies, ring, house, 1);
        if (placeSide(run.items, run.line, run.span, ring, cells))
            runOfHouse[static_cast<std::size_t>(house)] = std::move(run);
        else
            crowded.push_back(house);
    }
    std::array<bool, 13> joined{};
    const auto at = [](int house) { return static_cast<std::size_t>(house); };
    for (int house : crowded) {
        if (joined[at(house)]) continue;
        for (int count = 2; count <= kMostJoinedHouses && !joined[at(house)]; ++count) {
            for (int k = 0; k < count && !joined[at(house)]; ++k) {
                const int first = (house - k + 11) % 12 + 1;
                std::vector<int> houses;
                for (int j = 0; j < count; ++j) houses.push_back((first + j - 1) % 12 + 1);
                if (std::ranges::any_of(houses, [&](int h) { return joined[at(h)]; })) continue;
                Run run = runOf(bodies, ring, first, count);
                auto placed = placeOverSectors(run.items, run.line, run.widths, ring, cells);
                if (!placed) continue;
                run.items = std::move(*placed);
                for (int h : houses) {
                    runOfHouse[at(h)] = Run{};  // its stacks are in the joined run
                    joined[at(h)] = true;
                }
                runOfHouse[at(first)] = std::move(run);
            }
        }
        if (!joined[at(house)]) {
            runOfHouse = {};
            runOfHouse[1] = wholeRing(bodies, ring, cells);
            break;
        }
    }
    std::vector<SpreadStack> placed;
    for (const auto& run : runOfHouse) {
        if (!run) continue;
        for (const Item& item : run->items) {
            placed.push_back({item.body.point, item.body.exactAngle, normalize360(run->line + item.position),
                              item.radius, item.row, run->leftHouses});
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
