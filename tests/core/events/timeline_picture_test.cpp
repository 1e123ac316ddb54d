// The timeline picture's geometry: which row a bar or marker lands on, where it starts and
// ends in time, what pointing at it tells and the month grid.

#include "core/events/timeline_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "core/aspects/aspect_kinds.h"
#include "core/astro/points.h"

namespace helion {
namespace {

constexpr Point kVenus = Point::Venus, kJupiter = Point::Jupiter, kSaturn = Point::Saturn;
constexpr int kGrey = 8;    // the month lines
constexpr int kSilver = 7;  // the row rules

double day(int year, int month, int d) { return periodOfLocalDays({year, month, d}, {year, month, d}, 0.0).fromJdUt; }

const EventPeriod kYear{day(2026, 1, 1), day(2027, 1, 1)};

Event hit(Point body, Aspect aspect, Point target, double jd, std::optional<double> enter, std::optional<double> leave,
          int pass = 1) {
    Event e;
    e.body = body;
    e.aspect = aspect;
    e.target = target;
    e.jdUt = jd;
    e.enterJdUt = enter;
    e.leaveJdUt = leave;
    e.pass = pass;
    return e;
}

Event other(EventKind kind, Point body, double jd) {
    Event e;
    e.kind = kind;
    e.body = body;
    e.jdUt = jd;
    e.sign = 3;
    e.detail = "retrograde";
    return e;
}

TimelinePicture picture(const std::vector<Event>& events, EventPeriod period = kYear, double today = 0.0) {
    return buildTimelinePicture({&events, period, 0.0, today, 1920, 1080});
}

std::vector<LineShape> verticalLines(const TimelinePicture& p, int colour) {
    std::vector<LineShape> lines;
    for (const WheelPrimitive& primitive : p.primitives)
        if (const auto* l = std::get_if<LineShape>(&primitive); l && l->colour == colour && l->from.x == l->to.x)
            lines.push_back(*l);
    return lines;
}

// The caption a box lies beside: the lowest caption text at or above the box's top.
std::string rowOf(const TimelinePicture& p, const WheelBox& box) {
    std::string row;
    double rowY = 1e9;
    for (const WheelPrimitive& primitive : p.primitives) {
        const auto* t = std::get_if<TextShape>(&primitive);
        if (t && std::ranges::count(p.rows, t->text) && t->at.y >= box.top && t->at.y < rowY) {
            rowY = t->at.y;
            row = t->text;
        }
    }
    return row;
}

struct MarkCase {
    std::size_t mark;
    const char* row;
    double from;  // where the mark starts and ends in time; a marker stands at one moment
    double to;
    std::size_t textLines;
};

TEST(TimelinePicture, BarsAndMarkersStandOnTheirRowsAtTheirMoments) {
    const std::vector<Event> events{
        other(EventKind::NewMoon, Point::Moon, day(2026, 1, 18)),
        hit(kSaturn, Aspect::Square, Point::Sun, day(2026, 3, 1), day(2026, 2, 10), day(2026, 3, 20)),
        other(EventKind::Station, kSaturn, day(2026, 7, 26)),
        // A retrograde loop: three hits within one orb period.
        hit(kJupiter, Aspect::Trine, Point::Moon, day(2026, 4, 1), day(2026, 3, 1), day(2026, 9, 1), 1),
        hit(kJupiter, Aspect::Trine, Point::Moon, day(2026, 5, 1), day(2026, 3, 1), day(2026, 9, 1), 2),
        hit(kJupiter, Aspect::Trine, Point::Moon, day(2026, 8, 1), day(2026, 3, 1), day(2026, 9, 1), 3),
        // In orb before the period began and beyond the search at its end.
        hit(Point::Pluto, Aspect::Conjunct, kVenus, day(2026, 6, 1), day(2025, 11, 1), std::nullopt),
    };
    const TimelinePicture p = picture(events);
    EXPECT_EQ(p.rows, (std::vector<std::string>{"Lunations and eclipses", "Jupiter - Moon", "Saturn", "Saturn - Sun",
                                                "Pluto - Venus"}));
    // The month lines give the pixels of the period's days.
    const std::vector<LineShape> months = verticalLines(p, kGrey);
    ASSERT_EQ(months.size(), 12u);
    const double left = months[0].from.x;
    const double perDay = (months[1].from.x - left) / 31.0;
    const auto x = [&](double jd) {
        return left + (std::clamp(jd, kYear.fromJdUt, kYear.toJdUt) - kYear.fromJdUt) * perDay;
    };

    const MarkCase cases[] = {
        {0, "Lunations and eclipses", day(2026, 1, 18), day(2026, 1, 18), 1},
        {1, "Jupiter - Moon", day(2026, 3, 1), day(2026, 9, 1), 3},
        {2, "Jupiter - Moon", day(2026, 4, 1), day(2026, 4, 1), 1},
        {5, "Saturn", day(2026, 7, 26), day(2026, 7, 26), 1},
        {6, "Saturn - Sun", day(2026, 2, 10), day(2026, 3, 20), 1},
        {8, "Pluto - Venus", kYear.fromJdUt, kYear.toJdUt, 1},
        {9, "Pluto - Venus", day(2026, 6, 1), day(2026, 6, 1), 1},
    };
    ASSERT_EQ(p.marks.size(), 10u);
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.mark);
        const TimelineMark& m = p.marks[c.mark];
        EXPECT_EQ(rowOf(p, m.box), c.row);
        EXPECT_NEAR((m.box.left + m.box.right) / 2.0, (x(c.from) + x(c.to)) / 2.0, 0.01);
        if (c.from != c.to) {
            EXPECT_NEAR(m.box.right - m.box.left, x(c.to) - x(c.from), 0.01);
        }
        EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(m.text, '\n')) + 1, c.textLines);
        // Pointing at a mark finds it, a marker before the bar it stands on.
        const WheelPoint inside{m.box.left + (m.box.right - m.box.left) / 4.0, (m.box.top + m.box.bottom) / 2.0};
        EXPECT_EQ(timelineMarkAt(p, inside), &m);
    }
    EXPECT_EQ(timelineMarkAt(p, {x(day(2026, 1, 10)), p.marks[0].box.top}), nullptr);
}

struct GridCase {
    EventPeriod period;
    std::size_t monthLines;
};

TEST(TimelinePicture, MonthLinesStartEachMonthOfThePeriodAndOnlyTheYearsWhenCrowded) {
    const GridCase cases[] = {
        {kYear, 12},
        {{day(2026, 1, 15), day(2026, 2, 15)}, 1},
        {{day(2026, 1, 1), day(2036, 1, 1)}, 120},
        {{day(1950, 1, 1), day(2050, 1, 1)}, 100},
        {{day(2026, 3, 2), day(2026, 3, 3)}, 0},
    };
    for (const GridCase& c : cases) EXPECT_EQ(verticalLines(picture({}, c.period), kGrey).size(), c.monthLines);
}

TEST(TimelinePicture, TheTitleNamesThePeriodsFirstAndLastDayAndEachRowIsRuledAcross) {
    const TimelinePicture p = picture({other(EventKind::HouseIngress, kSaturn, day(2026, 5, 1))});
    std::vector<std::string> texts;
    for (const WheelPrimitive& primitive : p.primitives) {
        if (const auto* t = std::get_if<TextShape>(&primitive)) {
            texts.push_back(t->text);
            EXPECT_EQ(t->glyph, 0) << "a house ingress is named without a glyph";
        }
        if (const auto* l = std::get_if<LineShape>(&primitive); l && l->colour == kSilver) {
            EXPECT_EQ(l->from.y, l->to.y);
        }
    }
    EXPECT_EQ(texts.front(), "Timeline 01 Jan 2026 - 31 Dec 2026");
    EXPECT_NE(std::ranges::find(texts, "H0 01 May"), texts.end()) << ::testing::PrintToString(texts);
}

}  // namespace
}  // namespace helion
