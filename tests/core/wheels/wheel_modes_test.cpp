#include "core/wheels/wheel_modes.h"

#include <gtest/gtest.h>

#include "core/wheels/wheel_input_adapter.h"

namespace helion {
namespace {

ChartTables charts(bool secondPerson) {
    ChartTables t;
    t.chartName = "Ann";
    t.secondPerson = secondPerson;
    t.natalInput = {"Ann", 7, 3, 1952, 10.3f, "A.M.", 5.0f, 74.3f, "WEST", 40.45f, "NORTH", "", 0, 0};
    t.diurnalInput = {"", 1, 1, 2024, 2.15f, "P.M.", -1.0f, -13.24f, "EAST", -52.3f, "SOUTH", "", 71, 2023};
    t.natal.siderealSeconds = 6 * 3600 + 39 * 60 + 52;
    t.diurnal.siderealSeconds = 11 * 3600 + 2 * 60 + 7;
    // Each chart set recognisable by its Sun and its first cusp.
    const std::array sets{&t.natal, &t.diurnal, &t.progressed, &t.minorProgressed};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sets[i]->longitude[point::Sun] = 10.0 + 30.0 * double(i);
        sets[i]->cusp[1] = 100.0 + 30.0 * double(i);
    }
    return t;
}

// The second-person box as the computation left it.
WheelCommandContext contextOf(const ChartTables& t, const OptionValues& o) { return {t, o, "Bob", t.secondPerson}; }

OptionValues outside(float option216) {
    OptionValues o;
    o.value[option::SecondChartOutside] = option216;
    return o;
}

TEST(WheelModes, DualTitlesFollowOption216) {
    const ChartTables t = charts(false);
    const struct {
        WheelCommand command;
        float option216;
        const char* line6;
        ChartSetId outerBand;
    } rows[] = {
        {WheelCommand::ProgressedNatal, 0, "Inner = progressed", ChartSetId::Natal},
        {WheelCommand::ProgressedNatal, 1, "Outer = progressed", ChartSetId::Progressed},
        {WheelCommand::MinorProgressedNatal, 0, "Inner = minor prog", ChartSetId::Natal},
        {WheelCommand::MinorProgressedNatal, 2, "Outer = minor prog", ChartSetId::MinorProgressed},
        {WheelCommand::TransitsNatal, 0, "Inner = transits", ChartSetId::Natal},
        {WheelCommand::TransitsNatal, 1, "Outer = transits", ChartSetId::Diurnal},
    };
    for (const auto& row : rows) {
        const OptionValues o = outside(row.option216);
        WheelModeState state;
        const WheelArrangement a = runWheelCommand(row.command, contextOf(t, o), state);
        EXPECT_EQ(a.titles.diurnal[5], row.line6);
        EXPECT_EQ(a.titles.diurnal[0], "Diurnal data");
        EXPECT_EQ(a.natalRing, row.outerBand) << row.line6;
        EXPECT_EQ(a.houseChart, ChartSetId::Natal);
        EXPECT_EQ(a.kind, WheelKind::Dual);
    }
}

TEST(WheelModes, NatalTitleBlock) {
    const ChartTables t = charts(false);
    const OptionValues o;
    WheelModeState state;
    const WheelArrangement a = runWheelCommand(WheelCommand::SingleNatal, {t, o, "", false}, state);
    EXPECT_EQ(a.titles.natal, (std::array<std::string, 7>{"Ann - natal", "07 Mar 1952", "10.30 A.M. ( 5)", "74.30 W",
                                                          "40.45 N", "06H  39M  52S ", "Placidus"}));
    EXPECT_EQ(a.titles.diurnal, (std::array<std::string, 7>{}));
    EXPECT_EQ(state.currentOrbFile, "NATAL.ORB");
}

TEST(WheelModes, OrbFilesCommandCodesAndRings) {
    const ChartTables t = charts(false);
    const OptionValues o;
    WheelModeState state;
    runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state);
    EXPECT_EQ(state.currentOrbFile, "NAT2TRAN.ORB");
    EXPECT_EQ(state.wheelCommand, 3);
    // A triple wheel keeps the orb file and the command code.
    const struct {
        WheelCommand command;
        ChartSetId middle, inner;
        const char* middleName;
        const char* line6;
        const char* line7;
    } rows[] = {
        {WheelCommand::MinorProgressedProgressedNatal, ChartSetId::Progressed, ChartSetId::MinorProgressed, "Ann",
         "Inner = minor progressions", "Middle = progressions"},
        {WheelCommand::TransitsProgressedNatal, ChartSetId::Progressed, ChartSetId::Diurnal, "Ann", "Inner = transits",
         "Middle = progressions"},
        {WheelCommand::TransitsMinorProgressedNatal, ChartSetId::MinorProgressed, ChartSetId::Diurnal,
         "               ", "Inner = transits", "Middle = minor prog"},
    };
    for (const auto& row : rows) {
        const WheelArrangement a = runWheelCommand(row.command, contextOf(t, o), state);
        EXPECT_EQ(state.currentOrbFile, "NAT2TRAN.ORB");
        EXPECT_EQ(state.wheelCommand, 3);
        EXPECT_EQ(a.kind, WheelKind::Triple);
        EXPECT_EQ(a.secondRing, row.middle);
        EXPECT_EQ(a.thirdRing, row.inner);
        EXPECT_EQ(a.secondRingName, row.middleName);
        EXPECT_EQ(a.titles.diurnal[5], row.line6);
        EXPECT_EQ(a.titles.diurnal[6], row.line7);
    }
    const WheelArrangement minor = runWheelCommand(WheelCommand::MinorProgressedNatal, contextOf(t, o), state);
    EXPECT_EQ(minor.secondRingName, std::string(15, ' '));
    EXPECT_EQ(state.currentOrbFile, "NAT2SA.ORB");
}

TEST(WheelModes, SecondPersonWheelAndSwitchingTwice) {
    const ChartTables t = charts(true);
    const OptionValues o;
    WheelModeState state;
    const WheelArrangement first = runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state);
    EXPECT_EQ(state.currentOrbFile, "SYNASTRY.ORB");
    EXPECT_EQ(first.titles.diurnal[0], "Bob");
    EXPECT_EQ(first.titles.diurnal[5], "11H  02M  07S ");
    EXPECT_EQ(first.titles.diurnal[6], "Inner - natal");
    const WheelArrangement switched = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(switched.titles.natal[0], "Bob - natal");
    EXPECT_EQ(switched.titles.natal[1], "01 Jan 2024");
    EXPECT_EQ(switched.titles.diurnal[0], "Ann");
    EXPECT_EQ(switched.titles.diurnal[6], "Inner - natal");
    const WheelArrangement back = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(back.titles.natal, first.titles.natal);
    EXPECT_EQ(back.titles.diurnal, first.titles.diurnal);

    // The person the first title block names sits on the inner band, in that person's houses.
    const struct {
        const char* name;
        const WheelArrangement& arrangement;
        const ChartPositions& inner;
        const ChartPositions& outer;
    } rows[] = {{"before", first, t.natal, t.diurnal},
                {"switched", switched, t.diurnal, t.natal},
                {"twice", back, t.natal, t.diurnal}};
    for (const auto& row : rows) {
        const WheelInput in = wheelInputFor(row.arrangement, t, o, {}, {});
        EXPECT_EQ(in.second.longitude, row.inner.longitude) << row.name;
        EXPECT_EQ(in.cusp, row.inner.cusp) << row.name;
        EXPECT_EQ(in.natal.longitude, row.outer.longitude) << row.name;
    }
}

TEST(WheelModes, ShowingAWheelWithoutASecondPersonClearsTheSwitch) {
    const ChartTables t = charts(false);
    const OptionValues o;
    WheelModeState state;
    const WheelArrangement first = runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state);
    const WheelArrangement switched = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(switched.natalRing, ChartSetId::Diurnal);  // the transits moved outside
    EXPECT_EQ(switched.titles.diurnal[5], "Outer = transits");
    runWheelCommand(WheelCommand::SingleNatal, contextOf(t, o), state);
    EXPECT_FALSE(state.innerOuterSwitch);
    EXPECT_EQ(runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state).natalRing, first.natalRing);
}

TEST(WheelModes, TheAspectListPairsTheNatalRingWithTheRingBesideIt) {
    const ChartTables t = charts(false);
    const struct {
        WheelCommand command;
        float option216;
        const ChartPositions& second;
    } rows[] = {
        {WheelCommand::SingleNatal, 0, t.natal},
        {WheelCommand::ProgressedNatal, 0, t.progressed},
        {WheelCommand::ProgressedNatal, 1, t.progressed},
        {WheelCommand::MinorProgressedProgressedNatal, 0, t.progressed},
        {WheelCommand::TransitsMinorProgressedNatal, 0, t.minorProgressed},
    };
    for (const auto& row : rows) {
        WheelModeState state;
        const OptionValues o = outside(row.option216);
        const AspectListInput in = aspectListInputFor(runWheelCommand(row.command, contextOf(t, o), state), t, {});
        EXPECT_EQ(in.natal.longitude, t.natal.longitude) << static_cast<int>(row.command);
        EXPECT_EQ(in.second.longitude, row.second.longitude) << static_cast<int>(row.command);
        EXPECT_EQ(in.singleChart, row.command == WheelCommand::SingleNatal);
    }
}

}  // namespace
}  // namespace helion
