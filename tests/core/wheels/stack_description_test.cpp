#include "core/wheels/stack_description.h"

#include <gtest/gtest.h>

#include "core/aspects/aspect_kinds.h"

namespace helion {
namespace {

// Two charts: the Sun 2 degrees from a trine to the second chart's Moon, nothing else in orb.
AspectListInput twoCharts() {
    AspectListInput in;
    for (const Point p : kAllPoints) {
        in.natal.longitude[p] = 7.0 * pointNumber(p);  // all within 105 degrees, no major aspect at orb 0
        in.second.longitude[p] = 300.0 + 0.5 * pointNumber(p);
    }
    in.natal.longitude[Point::Sun] = 90.0;
    in.second.longitude[Point::Moon] = 332.0;  // 242 apart: a trine with 2 degrees orb
    in.singleChart = false;
    in.orbs.value[orbEntry(Aspect::Trine)] = 3.0f;
    return in;
}

TEST(StackDescription, PositionMotionDeclinationHouseAndAspectsWithOrbs) {
    const AspectListInput aspects = twoCharts();
    const struct {
        const char* what;
        StackFacts facts;
        const AspectListInput* list;
        bool fromNatal;
        std::string text;
    } rows[] = {
        {"natal Sun with its trine",
         {Point::Sun, 90.0, 23.44, false, 10},
         &aspects,
         true,
         "SUN 0°00'00\" Cancer\nDirect, declination +23°26'\nHouse 10\nTrine MOON, orb 2°00'"},
        {"second chart's Moon, the same trine from its side",
         {Point::Moon, 332.0, -5.5, false, 4},
         &aspects,
         false,
         "MOON 2°00'00\" Pisces\nDirect, declination -5°30'\nHouse 4\nTrine SUN, orb 2°00'"},
        {"a second short of the next sign rounds into it",
         {Point::Mars, 59.99999, 1.0, true, 1},
         nullptr,
         true,
         "MARS 0°00'00\" Gemini\nRetrograde, declination +1°00'\nHouse 1"},
    };
    for (const auto& row : rows) EXPECT_EQ(stackDescription(row.facts, row.list, row.fromNatal), row.text) << row.what;
}

}  // namespace
}  // namespace helion
