#pragma once
// The chart computation: from the texts of the two input windows to the four chart sets
// (natal, diurnal, progressed, minor progressed) that every report and wheel reads.

#include <optional>
#include <vector>

#include "core/astro/ephemeris.h"
#include "core/astro/house_system.h"
#include "core/base/message.h"
#include "core/chart/chart_tables.h"
#include "core/input/chart_input.h"

namespace helion {

struct ChartRequest {
    InputWindowTexts natal;
    InputWindowTexts diurnal;
    HouseSystem houseSystem = HouseSystem::Placidus;
    // The diurnal window holds another person's birth data rather than a date of transits.
    bool secondPerson = false;
    DateOrder dateOrder = DateOrder::MonthDayYear;
};

struct ChartRun {
    // Validation messages (then no tables) or notices about a completed run.
    std::vector<Message> messages;
    // The new tables; empty when the input was rejected and nothing was computed.
    std::optional<ChartTables> tables;
};

// previous: the tables of the last run. The minor-progressed set keeps its previous
// values when no minor-progressed moment can be found.
ChartRun computeCharts(const ChartRequest& request, const Ephemeris& ephemeris, const ChartTables& previous);

}  // namespace helion
