#include "core/wheels/glyph_spreading.h"

#include <gtest/gtest.h>

#include "wheel_samples.h"

namespace helion {
namespace {

// A chart whose points all lie in `house` at the given longitudes; unlisted points go to
// house 7 at the longitudes after them.
RingChart chartIn(const std::vector<std::pair<Point, double>>& points, int house) {
    RingChart chart;
    for (const Point p : kAllPoints) {
        chart.longitude[p] = 180.0 + pointNumber(p);
        chart.house[p] = 7;
    }
    for (const auto& [p, lon] : points) {
        chart.longitude[p] = lon;
        chart.house[p] = house;
    }
    return chart;
}

// The first `count` points at `step`-degree steps from `from`, all in `house`.
RingChart crowdIn(int house, double from, std::size_t count, double step = 2.0) {
    std::vector<std::pair<Point, double>> points;
    for (std::size_t i = 0; i < count; ++i)
        points.emplace_back(kAllPoints[i], from + step * pointNumber(kAllPoints[i]));
    return chartIn(points, house);
}

TEST(AllocateSlots, PreferredSlotsAndCrowding) {
    CuspTable wide = test::equalCusps(0.0);
    wide[5] = 300.0;  // house 1 arcs 300 degrees and counts as 7.5
    const std::optional<int> none;
    const struct {
        const char* what;
        RingChart chart;
        CuspTable cusp;
        std::vector<std::pair<Point, std::optional<int>>> slots;
    } rows[] = {
        {"slot by share of the house", chartIn({{Point::Sun, 15.0}}, 1), test::equalCusps(0.0), {{Point::Sun, 3}}},
        {"a 300-degree arc counts as 7.5", chartIn({{Point::Sun, 3.75}}, 1), wide, {{Point::Sun, 3}}},
        {"late bodies move back for those still to come",
         chartIn({{Point::Sun, 28.0}, {Point::Moon, 29.0}, {Point::Mercury, 29.5}}, 1),
         test::equalCusps(0.0),
         {{Point::Sun, 4}, {Point::Moon, 5}, {Point::Mercury, 6}}},
        {"equal preferred slots take the next free one",
         chartIn({{Point::Sun, 1.0}, {Point::Moon, 1.5}}, 1),
         test::equalCusps(0.0),
         {{Point::Sun, 0}, {Point::Moon, 1}}},
        {"a house across Aries keeps its bodies in order",
         chartIn({{Point::Sun, 5.0}, {Point::Moon, 350.0}}, 1),
         test::equalCusps(345.0),
         {{Point::Moon, 1}, {Point::Sun, 4}}},
        {"nine bodies in seven slots: the South Node is left out, Neptune pushed past",
         [] {
             RingChart chart = crowdIn(3, 60.0, 8);
             chart.longitude[Point::SouthNode] = 78.0;
             chart.house[Point::SouthNode] = 3;
             return chart;
         }(),
         test::equalCusps(0.0),
         {{Point::Sun, 0}, {Point::Neptune, 7}, {Point::SouthNode, none}}},
        {"every body in one house still ends",
         crowdIn(1, 0.0, kPointCount),
         test::equalCusps(0.0),
         {{Point::SouthNode, none}, {Point::PartOfFortune, none}, {Point::Midheaven, 12}}},
    };
    for (const auto& row : rows) {
        const auto slots = allocateSlots(row.chart, row.cusp, 7);
        for (const auto& [p, slot] : row.slots) EXPECT_EQ(slots[p], slot) << row.what << " " << pointNumber(p);
    }
}

// Start radii of the dual wheel's inner ring (house 1 at 138, house 2 at 130, S = 5): slot
// by slot towards the next house's radius, and no further for slots a crowded house pushes
// past its last one.
TEST(PlaceRing, InterpolatedStartRadiiStopAtTheNextHouse) {
    const RingChart chart = crowdIn(1, 0.0, static_cast<std::size_t>(pointNumber(Point::Pluto)), 0.2);
    const RingPlacement placed = placeRing(chart, test::equalCusps(0.0), ringLayouts(WheelKind::Dual).back(), {});
    const struct {
        Point point;
        int slot;
        double radius;
    } rows[] = {
        {Point::Sun, 0, 138.0}, {Point::Mercury, 1, 136.4}, {Point::Uranus, 6, 130.0}, {Point::Pluto, 8, 130.0}};
    for (const auto& row : rows) {
        const PlacedBody& body = placed[row.point];
        EXPECT_EQ(body.slot, row.slot) << pointNumber(row.point);
        EXPECT_DOUBLE_EQ(body.radius, row.radius) << pointNumber(row.point);
    }
}

}  // namespace
}  // namespace helion
