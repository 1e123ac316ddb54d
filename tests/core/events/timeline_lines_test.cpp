#include <gtest/gtest.h>

#include "core/events/timeline_report.h"

namespace helion {
namespace {

Event at(EventKind kind, Mover mover, Point body, double longitude, int house) {
    Event e;
    e.kind = kind, e.mover = mover, e.body = body, e.longitude = longitude, e.house = house;
    e.jdUt = 2461000.0;  // noon UT of 20 Nov 2025: 7 in the morning at zone 5
    return e;
}

TEST(TimelineLine, FixedColumnsForEveryKindOfEvent) {
    Event trine = at(EventKind::Aspect, Mover::Transit, Point::Jupiter, 100.5, 7);
    trine.aspect = Aspect::Trine, trine.target = Point::Moon, trine.pass = 2, trine.retrograde = true;
    trine.enterJdUt = trine.jdUt - 40.0;
    Event station = at(EventKind::Station, Mover::Progressed, Point::Saturn, 350.0, 0);
    station.detail = "retrograde";
    const std::pair<Event, const char*> rows[] = {
        {trine,
         "  20 Nov 2025 07:00:00  TRANSIT JUPITER  TRINE         MOON     10 CAN 30 R  H07  PASS 2  "
         "ORB 11 Oct 2025 - ..........."},
        {station, "  20 Nov 2025 07:00:00  PROGR.  SATURN   STATION                20 PIS 00         retrograde"},
        {at(EventKind::HouseIngress, Mover::SolarArc, Point::Midheaven, 0.0, 10),
         "  20 Nov 2025 07:00:00  S. ARC  MC       ENTERS HOUSE           00 ARI 00    H10"},
    };
    for (const auto& [event, line] : rows) EXPECT_EQ(timelineLine(event, 5.0), line);
}

}  // namespace
}  // namespace helion
