#pragma once
// The timeline search: every event of the chosen kinds over a natal chart in a period,
// each at its moment to the second, in time order.

#include <vector>

#include "core/astro/eclipse_search.h"
#include "core/astro/ephemeris.h"
#include "core/base/message.h"
#include "core/chart/chart_tables.h"
#include "core/config/orb_file.h"
#include "core/events/event.h"
#include "core/events/event_choices.h"
#include "core/events/event_scan.h"
#include "core/events/moving_points.h"

namespace helion {

inline constexpr const char* kEventPeriodBeyondText =
    "The period reaches beyond the dates the ephemeris can compute. Please choose a period within them.";
inline constexpr const char* kEventPeriodOrderText = "The period ends before it begins. Please correct.";

struct EventRequest {
    NatalFrame natal;
    CuspTable natalCusp{};  // of the chosen house system
    EventPeriod period;
    EventChoices choices = EventChoices::usual();
    bool partOfFortune = false;  // aspects to the natal Part of Fortune too
    OrbTable transitOrbs;
    OrbTable progressedOrbs;
    OrbTable solarArcOrbs;
};

// The natal frame of computed charts: the natal moment, points and obliquity, and the
// diurnal place at which the directed angles rise.
NatalFrame natalFrameOf(const ChartTables& charts);

struct EventSearch {
    std::vector<Event> events;
    std::vector<Message> messages;  // why nothing was searched, or a notice
};

EventSearch findEvents(const EventRequest& request, const Ephemeris& ephemeris, const EclipseSearch& eclipses);

}  // namespace helion
