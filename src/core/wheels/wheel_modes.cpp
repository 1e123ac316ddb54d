#include "core/wheels/wheel_modes.h"

#include "core/config/orb_file.h"
#include "core/reports/angle_text.h"
#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_titles.h"

namespace helion {

const std::array<WheelMenuEntry, 7> kWheelMenu{{
    {WheelCommand::SingleNatal, "mnuWheelsSingleNatal", "&Natal chartwheel"},
    {WheelCommand::ProgressedNatal, "mnuWheelsDualNatProg", "&Progressed vs Natal"},
    {WheelCommand::MinorProgressedNatal, "mnuWheelsDualNatSA", "Minor Progressed vs Natal"},
    {WheelCommand::TransitsNatal, "mnuWheelsDualNatTran", "&Transits vs Natal"},
    {WheelCommand::MinorProgressedProgressedNatal, "mnuWheelsTripleMinorProgNat",
     "&Minor Progressed, Progressed, Natal"},
    {WheelCommand::TransitsProgressedNatal, "mnuWheelsTripleTranProgNat", "&Transits, Progressed, Natal"},
    {WheelCommand::TransitsMinorProgressedNatal, "mnuWheelsTripleTranSANatal", "Transits, Minor Progressed, Natal"},
}};

namespace {

const std::string kBlankRingName(15, ' ');

TitleBlocks natalTitles(const WheelCommandContext& c) {
    const ChartTables& t = c.charts;
    return {natalTitleLines(t.natalInput, t.chartName, t.natal.siderealSeconds, t.houseSystem), {}};
}

// The natal block, then the diurnal data; lines 6 and 7 of the diurnal block as given.
TitleBlocks diurnalTitles(const WheelCommandContext& c, std::string line6, std::string line7) {
    TitleBlocks titles = natalTitles(c);
    titles.diurnal = placeTitleLines(c.charts.diurnalInput, "Diurnal data");
    titles.diurnal[5] = std::move(line6);
    titles.diurnal[6] = std::move(line7);
    return titles;
}

bool secondChartOutside(const WheelCommandContext& c) {
    return wheelOptionsInRange(c.options)[option::SecondChartOutside] != 0;
}

std::string innerOrOuter(const WheelCommandContext& c, std::string_view what) {
    return std::string(secondChartOutside(c) ? "Outer = " : "Inner = ") + std::string(what);
}

// A dual or triple wheel whose ring 1 is the natal chart.
WheelArrangement multiRing(WheelKind kind, const WheelCommandContext& c, ChartSetId second, std::string secondName,
                           TitleBlocks titles) {
    WheelArrangement a;
    a.kind = kind;
    a.chartName = c.charts.chartName;
    a.secondRing = second;
    a.secondRingName = std::move(secondName);
    a.titles = std::move(titles);
    return a;
}

WheelArrangement dual(const WheelCommandContext& c, ChartSetId second, std::string name, TitleBlocks titles) {
    WheelArrangement a = multiRing(WheelKind::Dual, c, second, std::move(name), std::move(titles));
    // The title says on which side the second chart lies; ring 1 is the outer band.
    if (secondChartOutside(c)) std::swap(a.natalRing, *a.secondRing);
    return a;
}

WheelArrangement triple(const WheelCommandContext& c, ChartSetId middle, std::string middleName, ChartSetId inner,
                        std::string innerName, std::string line6, std::string line7) {
    WheelArrangement a = multiRing(WheelKind::Triple, c, middle, std::move(middleName),
                                   diurnalTitles(c, std::move(line6), std::move(line7)));
    a.thirdRing = inner;
    a.thirdRingName = std::move(innerName);
    return a;
}

// Unswitched, the natal chart gives the houses and the first title block; switched, the
// diurnal chart does. A second person's wheel shows inside the person the first block
// names ("Inner - natal"), so Switch moves the second person inside; a transit wheel shows
// the transits on the side option 216 asks for, or on the other side once switched.
WheelArrangement transitWheel(const WheelCommandContext& c, WheelModeState& state) {
    const ChartTables& t = c.charts;
    const bool secondPerson = c.secondPerson;
    const bool switched = state.innerOuterSwitch;
    state.currentOrbFile = secondPerson ? orb_file::Synastry : orb_file::NatalTransits;
    const bool transitsOutside = secondPerson ? !switched : (secondChartOutside(c) != switched);

    WheelArrangement a;
    a.kind = WheelKind::Dual;
    a.houseChart = switched ? ChartSetId::Diurnal : ChartSetId::Natal;
    a.chartName = switched ? c.secondPersonName : t.chartName;
    a.natalRing = transitsOutside ? ChartSetId::Diurnal : ChartSetId::Natal;
    a.secondRing = transitsOutside ? ChartSetId::Natal : ChartSetId::Diurnal;
    a.secondRingName = transitsOutside ? t.chartName : c.secondPersonName;

    const ChartInput& first = switched ? t.diurnalInput : t.natalInput;
    const ChartInput& other = switched ? t.natalInput : t.diurnalInput;
    const ChartPositions& firstChart = switched ? t.diurnal : t.natal;
    const ChartPositions& otherChart = switched ? t.natal : t.diurnal;
    a.titles.natal = natalTitleLines(first, a.chartName, firstChart.siderealSeconds, t.houseSystem);
    const std::string otherName = switched ? t.chartName : c.secondPersonName;
    a.titles.diurnal = placeTitleLines(other, secondPerson ? otherName : "Diurnal data");
    a.titles.diurnal[5] = secondPerson ? siderealTimeText(otherChart.siderealSeconds)
                                       : (transitsOutside ? "Outer = transits" : "Inner = transits");
    a.titles.diurnal[6] = secondPerson ? "Inner - natal" : "";
    return a;
}

WheelArrangement arrange(WheelCommand command, const WheelCommandContext& c, WheelModeState& state) {
    const std::string& name = c.charts.chartName;
    switch (command) {
        case WheelCommand::SingleNatal: {
            state.wheelCommand = 0;
            state.currentOrbFile = orb_file::Natal;
            WheelArrangement a;
            a.chartName = name;
            a.titles = natalTitles(c);
            return a;
        }
        case WheelCommand::ProgressedNatal:
            state.wheelCommand = 1;
            state.currentOrbFile = orb_file::NatalProgressed;
            return dual(c, ChartSetId::Progressed, name, diurnalTitles(c, innerOrOuter(c, "progressed"), ""));
        case WheelCommand::MinorProgressedNatal:
            state.wheelCommand = 2;
            state.currentOrbFile = orb_file::NatalMinorProgressed;
            return dual(c, ChartSetId::MinorProgressed, kBlankRingName,
                        diurnalTitles(c, innerOrOuter(c, "minor prog"), ""));
        case WheelCommand::TransitsNatal: state.wheelCommand = 3; return transitWheel(c, state);
        case WheelCommand::MinorProgressedProgressedNatal:
            return triple(c, ChartSetId::Progressed, name, ChartSetId::MinorProgressed, name,
                          "Inner = minor progressions", "Middle = progressions");
        case WheelCommand::TransitsProgressedNatal:
            return triple(c, ChartSetId::Progressed, name, ChartSetId::Diurnal, c.secondPersonName, "Inner = transits",
                          "Middle = progressions");
        case WheelCommand::TransitsMinorProgressedNatal:
            return triple(c, ChartSetId::MinorProgressed, kBlankRingName, ChartSetId::Diurnal, c.secondPersonName,
                          "Inner = transits", "Middle = minor prog");
    }
    return {};
}

}  // namespace

WheelArrangement runWheelCommand(WheelCommand command, const WheelCommandContext& context, WheelModeState& state) {
    WheelArrangement a = arrange(command, context, state);
    if (!context.secondPerson) state.innerOuterSwitch = false;
    return a;
}

WheelArrangement switchTransitWheel(const WheelCommandContext& context, WheelModeState& state) {
    state.wheelCommand = 3;
    state.innerOuterSwitch = !state.innerOuterSwitch;
    return transitWheel(context, state);
}

}  // namespace helion
