#pragma once
// The timeline as a fixed-width report in the Data window: the chart's heading, the
// period, then one event a line.

#include <vector>

#include "core/chart/chart_tables.h"
#include "core/events/event.h"
#include "core/events/event_period.h"
#include "core/reports/report.h"

namespace helion {

// In date order, or grouped by kind (aspects, stations, ingresses, lunations, eclipses),
// each kind in date order.
enum class TimelineOrder { ByDate, ByKind };

Report timelineReport(const ChartTables& charts, const EventPeriod& period, const std::vector<Event>& events,
                      TimelineOrder order);

// One event's line, times in the diurnal zone (hours added to local time to get UT).
std::string timelineLine(const Event& event, double zoneHours);

}  // namespace helion
