#include <gtest/gtest.h>

#include <cmath>

#include "core/astro/julian_day.h"
#include "core/astro/lunation_search.h"
#include "core/reports/lunation_section.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

double centuriesAt(CalendarDate date) { return julianCenturies(julianDay(dayNumber(date), 0.0)); }

std::string utDate(double t) {
    return formatDate(calendarDate(static_cast<long>(std::floor(t * 36525.0 + 2415020.0 + 0.5))));
}

TEST(NewMoonSearch, FindsTheThirteenNewMoonsFromAMonthBeforeTheDiurnalDate) {
    // A diurnal date of 1 February 2026: the search starts on 1 January.
    const double start = centuriesAt({2026, 2, 1}) - 31.0 / 36525.0;
    const NewMoonSearch search = findNewMoons(start, 13);
    ASSERT_TRUE(search.complete);
    ASSERT_EQ(search.newMoons.size(), 13u);
    // Published new moons of 2026 (UT dates).
    const char* const expected[] = {"18 Jan 2026", "17 Feb 2026", "19 Mar 2026", "17 Apr 2026", "16 May 2026",
                                    "15 Jun 2026", "14 Jul 2026", "12 Aug 2026", "11 Sep 2026", "10 Oct 2026",
                                    "09 Nov 2026", "09 Dec 2026", "07 Jan 2027"};
    for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(utDate(search.newMoons[i].t), expected[i]) << i;
}

TEST(NewMoonSearch, GivesUpAtItsStepLimitKeepingTheMoonsFound) {
    const NewMoonSearch search = findNewMoons(centuriesAt({2026, 1, 1}), 13, 1);
    EXPECT_FALSE(search.complete);
    EXPECT_LT(search.newMoons.size(), 13u);
}

TEST(Lunations, PrintsAPointPastZeroAriesFromItsReducedValue) {
    // The new moon of 21 March 2023 fell at 0 Aries 50: the search meets it from the
    // Pisces side, with the Sun counted past 360 degrees.
    ChartTables charts;
    charts.diurnalMoment.t = centuriesAt({2023, 4, 10});
    charts.natal.longitude.fill(200.0);               // in aspect with none of the lunation points
    charts.natal.longitude[Point::Sun] = 0.5;         // conjunct the lunation point
    charts.natal.longitude[Point::NorthNode] = 90.5;  // the nodes take part here
    Report report;
    appendLunations(report, charts, 2.0f);
    const ReportLines& lines = report.lines;
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[3], "  21 Mar 2023 - 00 ARI 50");
    EXPECT_EQ(lines[4], "                Conjunct          SUN        0.3 degrees");
    EXPECT_EQ(lines[5], "                Square            N. NODE    0.3 degrees");
    EXPECT_TRUE(report.messages.empty());
}

TEST(Lunations, AspectsKeepTheLastInclusiveMatch) {
    struct Row {
        double separation;
        float orb;
        std::optional<Aspect> aspect;
        double distance;
    };
    for (const Row& row : {Row{62.0, 2, Aspect::Sextile, 2.0}, Row{62.01, 2, std::nullopt, 0},
                           Row{0.96, 2, Aspect::Conjunct, 1.0}, Row{30.0, 2, std::nullopt, 0},  // no minor kinds here
                           Row{100.0, 40, Aspect::Trine, -20.0}, Row{30.0, 40, Aspect::Conjunct, 30.0}}) {
        const AspectFinding found = classifyLunationAspect(row.separation, row.orb);
        EXPECT_EQ(found.aspect, row.aspect) << row.separation;
        if (row.aspect) {
            EXPECT_DOUBLE_EQ(found.distance, row.distance) << row.separation;
        }
    }
}

}  // namespace
}  // namespace helion
