#include "core/wheels/glyph_spreading.h"

#include <gtest/gtest.h>

#include "wheel_samples.h"

namespace helion {
namespace {

// A chart whose points all lie in `house` at the given longitudes; unlisted points go to
// house 7 at the longitudes after them.
RingChart chartIn(const std::vector<std::pair<int, double>>& points, int house) {
    RingChart chart;
    for (int p = 1; p <= point::Count; ++p) {
        chart.longitude[static_cast<std::size_t>(p)] = 180.0 + p;
        chart.house[static_cast<std::size_t>(p)] = 7;
    }
    for (const auto& [p, lon] : points) {
        chart.longitude[static_cast<std::size_t>(p)] = lon;
        chart.house[static_cast<std::size_t>(p)] = house;
    }
    return chart;
}

TEST(HouseArc, ArcsOfHousesAndTheOutOfOrderCase) {
    CuspTable cusp = test::equalCusps(0.0);
    EXPECT_DOUBLE_EQ(houseArc(cusp, 1), 30.0);
    EXPECT_DOUBLE_EQ(houseArc(cusp, 12), 30.0);  // house 12 runs to the cusp of house 1
    cusp[5] = 300.0;                             // house 2's cusp 300 degrees past house 1's
    EXPECT_DOUBLE_EQ(houseArc(cusp, 1), 7.5);
}

// The first `count` points at 2-degree steps from `from`, all in `house`.
RingChart crowdIn(int house, double from, int count) {
    std::vector<std::pair<int, double>> points;
    for (int p = 1; p <= count; ++p) points.emplace_back(p, from + 2.0 * p);
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
        std::vector<std::pair<int, std::optional<int>>> slots;
    } rows[] = {
        {"slot by share of the house", chartIn({{point::Sun, 15.0}}, 1), test::equalCusps(0.0), {{point::Sun, 3}}},
        {"a 300-degree arc counts as 7.5", chartIn({{point::Sun, 3.75}}, 1), wide, {{point::Sun, 3}}},
        {"late bodies move back for those still to come",
         chartIn({{point::Sun, 28.0}, {point::Moon, 29.0}, {point::Mercury, 29.5}}, 1),
         test::equalCusps(0.0),
         {{point::Sun, 4}, {point::Moon, 5}, {point::Mercury, 6}}},
        {"equal preferred slots take the next free one",
         chartIn({{point::Sun, 1.0}, {point::Moon, 1.5}}, 1),
         test::equalCusps(0.0),
         {{point::Sun, 0}, {point::Moon, 1}}},
        {"a house across Aries keeps its bodies in order",
         chartIn({{point::Sun, 5.0}, {point::Moon, 350.0}}, 1),
         test::equalCusps(345.0),
         {{point::Moon, 1}, {point::Sun, 4}}},
        {"nine bodies in seven slots: the South Node is left out, point 8 pushed past",
         [] {
             RingChart chart = crowdIn(3, 60.0, 8);
             chart.longitude[point::SouthNode] = 78.0;
             chart.house[point::SouthNode] = 3;
             return chart;
         }(),
         test::equalCusps(0.0),
         {{point::Sun, 0}, {8, 7}, {point::SouthNode, none}}},
        {"every body in one house still ends",
         crowdIn(1, 0.0, point::Count),
         test::equalCusps(0.0),
         {{point::SouthNode, none}, {point::PartOfFortune, none}, {point::Midheaven, 12}}},
    };
    for (const auto& row : rows) {
        const auto slots = allocateSlots(row.chart, row.cusp, 7);
        for (const auto& [p, slot] : row.slots)
            EXPECT_EQ(slots[static_cast<std::size_t>(p)], slot) << row.what << " " << p;
    }
}

// Start radii of the dual wheel's inner ring (house 1 at 138, house 2 at 130, S = 5): slot
// by slot towards the next house's radius, and no further for slots a crowded house pushes
// past its last one.
TEST(PlaceRing, InterpolatedStartRadiiStopAtTheNextHouse) {
    RingChart chart;
    for (int p = 1; p <= point::Count; ++p) {
        chart.longitude[static_cast<std::size_t>(p)] = p <= 9 ? 0.2 * p : 200.0 + p;
        chart.house[static_cast<std::size_t>(p)] = p <= 9 ? 1 : 7;
    }
    const RingLayout inner = ringLayouts(WheelKind::Dual).back();
    const RingPlacement placed = placeRing(chart, test::equalCusps(0.0), inner, {});
    const struct {
        int point, slot;
        double radius;
    } rows[] = {{point::Sun, 0, 138.0}, {point::Mercury, 1, 136.4}, {7, 6, 130.0}, {point::Pluto, 8, 130.0}};
    for (const auto& row : rows) {
        const PlacedBody& body = placed[static_cast<std::size_t>(row.point)];
        EXPECT_EQ(body.slot, row.slot) << row.point;
        EXPECT_DOUBLE_EQ(body.radius, row.radius) << row.point;
    }
}

}  // namespace
}  // namespace helion
