#pragma once
// The seven wheel commands: which computed chart goes on which ring, which orb file they
// make current, and what the title blocks say; and the switch that exchanges the two
// charts of the transit and second-person wheels.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/wheels/wheel_input.h"

namespace helion {

enum class WheelCommand {
    SingleNatal,
    ProgressedNatal,
    MinorProgressedNatal,
    TransitsNatal,
    MinorProgressedProgressedNatal,
    TransitsProgressedNatal,
    TransitsMinorProgressedNatal,
};

// The menu item and caption of each command.
struct WheelMenuEntry {
    WheelCommand command;
    std::string_view objectName;
    std::string_view caption;
};
extern const std::array<WheelMenuEntry, 7> kWheelMenu;

enum class ChartSetId { Natal, Diurnal, Progressed, MinorProgressed };

// Kept between wheel commands.
struct WheelModeState {
    int wheelCommand = 0;           // 0 single natal, 1 progressed, 2 minor progressed, 3 transits
    bool innerOuterSwitch = false;  // the diurnal chart is the natal ring of the transit wheel
    std::string currentOrbFile = "NATAL.ORB";
};

// What one command puts on the wheel. Houses are those of `houseChart`'s cusps.
struct WheelArrangement {
    WheelKind kind = WheelKind::Single;
    ChartSetId houseChart = ChartSetId::Natal;
    ChartSetId natalRing = ChartSetId::Natal;  // ring 1: the outer band
    std::optional<ChartSetId> secondRing;      // ring 0 of a dual wheel, ring 2 (middle) of a triple
    std::optional<ChartSetId> thirdRing;       // ring 0 (inner) of a triple wheel
    std::string chartName;                     // shown in the window caption
    std::string secondRingName;
    std::string thirdRingName;
    TitleBlocks titles;
};

struct WheelCommandContext {
    const ChartTables& charts;
    const OptionValues& options;
    std::string secondPersonName;  // the caption of the second-person box
    bool secondPerson = false;     // the box as it is now, not as it was at the last computation
};

// Runs a command: updates the state (command code, orb file, switch) and returns the
// arrangement to draw. Showing the wheel clears the switch unless a second person is set.
WheelArrangement runWheelCommand(WheelCommand command, const WheelCommandContext& context, WheelModeState& state);

// The window's Switch: toggles which chart is the transit wheel's natal ring.
WheelArrangement switchTransitWheel(const WheelCommandContext& context, WheelModeState& state);

}  // namespace helion
