#include "core/wheels/aspect_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace helion {
namespace {

AspectListInput singleChart(std::initializer_list<std::pair<Point, double>> longitudes) {
    AspectListInput in;
    for (const Point p : kAllPoints) {
        const int n = pointNumber(p);
        in.natal.longitude[p] = std::fmod(13.7 * n * n, 360.0);  // few aspects
        in.natal.declination[p] = -20.0 + 2.9 * n;
    }
    for (const auto& [p, lon] : longitudes) in.natal.longitude[p] = lon;
    in.second = in.natal;
    in.orbs.value[orbEntry(Aspect::Sextile)] = 1.0f;
    return in;
}

std::vector<AspectListLine> withGlyph(const std::vector<AspectListLine>& lines, int aspectGlyph) {
    std::vector<AspectListLine> found;
    std::ranges::copy_if(lines, std::back_inserter(found),
                         [&](const AspectListLine& l) { return l.aspectGlyph == aspectGlyph; });
    return found;
}

TEST(AspectList, NodesAndPartOfFortuneNeverAppear) {
    AspectListInput in = singleChart({});
    for (const Point p : kAllPoints) {
        in.natal.longitude[p] = 0.0;
        in.natal.declination[p] = pointNumber(p) % 2 ? 5.0 : -5.0;
    }
    in.second = in.natal;
    in.orbs.value[orbEntry(Aspect::Conjunct)] = 1.0f;
    in.orbs.value[orbEntry(Aspect::Parallel)] = 1.0f;
    const auto lines = aspectList(in);
    // A single chart lists each aspect under both bodies: for the 12 listed bodies 132 ordered
    // pairs conjunct, 132 parallel or contra-parallel.
    EXPECT_EQ(lines.size(), 1u + 132u + 1u + 132u);
    for (const AspectListLine& l : lines) {
        for (int glyph : {l.firstGlyph, l.secondGlyph}) EXPECT_TRUE(glyph < 234 || glyph > 236) << glyph;
    }
    EXPECT_EQ(std::ranges::count(lines, AspectListLine{224, 177, 225}), 1);  // Sun north, Mercury south
    EXPECT_EQ(std::ranges::count(lines, AspectListLine{224, 166, 226}), 1);  // both north
}

TEST(AspectList, TwoChartsListBySecondBodyNeverPairingABodyWithItself) {
    AspectListInput in = singleChart({{Point::Sun, 10.0}, {Point::Moon, 70.0}});
    in.singleChart = false;
    in.second.longitude[Point::Sun] = 70.0;  // second chart's Sun on the natal Moon, sextile the natal Sun
    in.second.longitude[Point::Moon] = 250.0;
    in.orbs.value[orbEntry(Aspect::Conjunct)] = 1.0f;
    const auto lines = aspectList(in);
    EXPECT_TRUE(withGlyph(lines, 162).empty());  // the two Suns are the same body
    EXPECT_EQ(withGlyph(lines, 161), (std::vector<AspectListLine>{{233, 161, 224}}));
}

}  // namespace
}  // namespace helion
