#include "core/wheels/stack_packing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kCellMargin = 0.4;  // around every cell: stacks stay twice this apart
constexpr double kRowGap = 2.0;      // between the two rows of a crowded house
constexpr double kInnerClearance = kCircleClearance + kPointerTick;
constexpr int kRefinements = 8;  // footprints change a little with the angle; rounds to settle them
constexpr double kMinimumStep = 0.01;
// Degrees a measured footprint may exceed the packed one and still count as settled: the
// start radii settle only to a thousandth of a unit, far inside the cell margin.
constexpr double kSettled = 1e-3;

// What a stack covers seen from the centre: the angles before and after its drawing angle
// (either may be negative: a top-left anchored stack can lie wholly to one side) and the
// nearest and farthest distance of its cells, each widened by the cell margin.
struct Footprint {
    double before = -std::numeric_limits<double>::infinity();
    double after = -std::numeric_limits<double>::infinity();
    double nearest = std::numeric_limits<double>::infinity();
    double farthest = 0.0;
};

// The farthest corner of the cells from the centre: of a box, the one away from both axes.
double farthestOf(std::span<const StackCell> cells) {
    double farthest = 0.0;
    for (const StackCell& c : cells) {
        const double x =
            std::max(std::fabs(c.shape.at.x - kCellMargin), std::fabs(c.shape.at.x + c.box.width + kCellMargin));
        const double y =
            std::max(std::fabs(c.shape.at.y + kCellMargin), std::fabs(c.shape.at.y - c.box.height - kCellMargin));
        farthest = std::max(farthest, std::hypot(x, y));
    }
    return farthest;
}

// Corners are measured in the frame turned to the drawing angle: a cell lies well within a
// quarter turn of it, so the steepest corners on either side bound the angles it covers.
Footprint footprintOf(std::span<const StackCell> cells, double angle) {
    Footprint f;
    const double c = cosDeg(angle), s = sinDeg(angle);
    double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;  // slopes across the angle
    for (const StackCell& cell : cells) {
        const double left = cell.shape.at.x - kCellMargin, right = cell.shape.at.x + cell.box.width + kCellMargin;
        const double top = cell.shape.at.y + kCellMargin, bottom = cell.shape.at.y - cell.box.height - kCellMargin;
        for (const double x : {left, right}) {
            for (const double y : {top, bottom}) {
                const double slope = (y * c - x * s) / (x * c + y * s);
                lowest = std::min(lowest, slope);
                highest = std::max(highest, slope);
            }
        }
        f.nearest = std::min(f.nearest, std::hypot(std::clamp(0.0, left, right), std::clamp(0.0, bottom, top)));
    }
    f.before = -radToDeg(std::atan(lowest));
    f.after = radToDeg(std::atan(highest));
    f.farthest = farthestOf(cells);
    return f;
}

Footprint footprintAt(PlacedBody body, const StackCells& cells) { return footprintOf(cells(body), body.angle); }

// The start radius at which the stack's farthest cell edge reaches `farthest`; the edge
// moves almost one for one with the start radius, so a few corrections settle it.
double radiusReaching(PlacedBody body, double farthest, const StackCells& cells) {
    body.radius = farthest;
    for (int round = 0; round < 8; ++round) {
        const double over = farthestOf(cells(body)) - farthest;
        if (over <= kSettled && over > -1e-3) break;
        body.radius -= over;
    }
    return body.radius;
}

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

// Measures every stack where it stands; false when a row leaves the band. `settled`
// tells whether the measured stacks already keep their steps and their house.
bool measure(std::vector<Item>& items, int rows, double line, double span, const SpreadRing& ring,
             const StackCells& cells, bool& settled) {
    settled = true;
    // The inner row starts below the nearest cell of any stack of the outer row, so the two
    // rows cover disjoint radii whatever the stacks' angles.
    double outerRowNearest = std::numeric_limits<double>::infinity();
    std::vector<Footprint> now;
    for (Item& item : items) {
        PlacedBody body = bodyOf(item, line);
        body.radius = outerRowRadius(body, ring, cells);
        now.push_back(footprintAt(body, cells));
        if (item.row == 0) item.radius = body.radius;
        outerRowNearest = std::min(outerRowNearest, now.back().nearest);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].row == 0) continue;
        items[i].radius = radiusReaching(bodyOf(items[i], line), outerRowNearest - kRowGap, cells);
        now[i] = footprintAt(bodyOf(items[i], line), cells);
        if (now[i].nearest < ring.innerRadius + kInnerClearance) return false;
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

// Degrees between each stack and its body, for stacks placed from the line at `line`.
std::vector<double> displacements(const std::vector<Item>& items, double line) {
    std::vector<double> moved;
    for (const Item& item : items) moved.push_back(std::fabs(wrap180(line + item.position - item.body.exactAngle)));
    return moved;
}

}  // namespace

double outerRowRadius(PlacedBody body, const SpreadRing& ring, const StackCells& cells) {
    return radiusReaching(body, ring.outerRadius - kCircleClearance, cells);
}

PlacedBody bodyOf(const Item& item, double line) {
    PlacedBody body;
    body.point = item.body.point;
    body.house = item.body.house;
    body.angle = normalize360(line + item.position);
    body.radius = item.radius;
    return body;
}

double costOf(const std::vector<Item>& items, double line) {
    double sum = 0.0;
    for (const double moved : displacements(items, line)) {
        const double beyond = std::max(0.0, moved - kFarthest);
        sum += moved * moved + kBeyondWeight * beyond * beyond;
    }
    return sum;
}

bool withinReach(const std::vector<Item>& items, double line) {
    return std::ranges::all_of(displacements(items, line), [](double moved) { return moved <= kFarthest; });
}

bool placeSide(std::vector<Item>& items, double line, double span, const SpreadRing& ring, const StackCells& cells) {
    if (items.empty()) return true;
    std::vector<Item> twoRows = items;
    const bool oneRow = placeInRows(items, 1, line, span, ring, cells);
    if (oneRow && withinReach(items, line)) return true;
    if (!placeInRows(twoRows, 2, line, span, ring, cells)) return oneRow;
    if (!oneRow || costOf(twoRows, line) < costOf(items, line)) items = std::move(twoRows);
    return true;
}

}  // namespace helion
