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

// The dates whose every moment, in every time zone, the ephemeris library can compute.
inline constexpr const char* kBeyondEphemerisText =
    "Charts can be computed for dates from 28 Feb -3001 to 31 Dec 2099 only. Please correct.";
inline constexpr const char* kAnalyticalTheoryText =
    "No ephemeris file covers a date of this chart: its Sun, Moon and planets come from the "
    "ephemeris library's analytical theory, which is less precise.";

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
