#include "core/wheels/wheel_modes.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/wheels/wheel_input_adapter.h"

namespace helion {
namespace {

// Each chart set recognisable by its Sun and its first cusp.
ChartTables charts(bool secondPerson) {
    ChartTables t;
    t.chartName = "Ann";
    t.secondPerson = secondPerson;
    const std::array sets{&t.natal, &t.diurnal, &t.progressed, &t.minorProgressed};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sets[i]->longitude[Point::Sun] = 10.0 + 30.0 * double(i);
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

// The rows run in order on one state: a triple wheel keeps the orb file and command code
// of the wheel before it.
TEST(WheelModes, EachCommandArrangesRingsAndOrbFile) {
    using enum ChartSetId;
    using enum WheelCommand;
    const ChartTables t = charts(false);
    const std::string blank(15, ' ');
    const struct {
        WheelCommand command;
        float option216;
        ChartSetId outer;
        std::optional<ChartSetId> second, third;
        std::string secondName;
        const char* orbFile;
        int commandCode;
    } rows[] = {
        {SingleNatal, 0, Natal, {}, {}, "", "NATAL.ORB", 0},
        {ProgressedNatal, 0, Natal, Progressed, {}, "Ann", "NAT2PROG.ORB", 1},
        {ProgressedNatal, 1, Progressed, Natal, {}, "Ann", "NAT2PROG.ORB", 1},
        {MinorProgressedNatal, 0, Natal, MinorProgressed, {}, blank, "NAT2SA.ORB", 2},
        {MinorProgressedNatal, 2, MinorProgressed, Natal, {}, blank, "NAT2SA.ORB", 2},
        {TransitsMinorProgressedNatal, 0, Natal, MinorProgressed, Diurnal, blank, "NAT2SA.ORB", 2},
        {TransitsNatal, 0, Natal, Diurnal, {}, "Bob", "NAT2TRAN.ORB", 3},
        {TransitsNatal, 1, Diurnal, Natal, {}, "Ann", "NAT2TRAN.ORB", 3},
        {MinorProgressedProgressedNatal, 0, Natal, Progressed, MinorProgressed, "Ann", "NAT2TRAN.ORB", 3},
    };
    WheelModeState state;
    for (const auto& row : rows) {
        const WheelArrangement a = runWheelCommand(row.command, contextOf(t, outside(row.option216)), state);
        SCOPED_TRACE(::testing::Message() << static_cast<int>(row.command) << " option 216 " << row.option216);
        EXPECT_EQ(a.kind, !row.second ? WheelKind::Single : row.third ? WheelKind::Triple : WheelKind::Dual);
        EXPECT_EQ(a.natalRing, row.outer);
        EXPECT_EQ(a.secondRing, row.second);
        EXPECT_EQ(a.thirdRing, row.third);
        EXPECT_EQ(a.secondRingName, row.secondName);
        EXPECT_EQ(state.currentOrbFile, row.orbFile);
        EXPECT_EQ(state.wheelCommand, row.commandCode);
    }
}

TEST(WheelModes, SecondPersonWheelAndSwitchingTwice) {
    const ChartTables t = charts(true);
    const OptionValues o;
    WheelModeState state;
    const WheelArrangement first = runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state);
    EXPECT_EQ(state.currentOrbFile, "SYNASTRY.ORB");
    EXPECT_EQ(first.titles.diurnal[0], "Bob");
    const WheelArrangement switched = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(switched.titles.natal[0], "Bob - natal");
    EXPECT_EQ(switched.titles.diurnal[0], "Ann");
    const WheelArrangement back = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(back.titles.natal, first.titles.natal);
    EXPECT_EQ(back.titles.diurnal, first.titles.diurnal);

    // The person the first title block names sits on the inner band, in that person's houses.
    const WheelInput before = wheelInputFor(first, t, o, {}, {}), after = wheelInputFor(switched, t, o, {}, {});
    EXPECT_EQ(before.second.longitude, t.natal.longitude);
    EXPECT_EQ(before.cusp, t.natal.cusp);
    EXPECT_EQ(after.second.longitude, t.diurnal.longitude);
    EXPECT_EQ(after.cusp, t.diurnal.cusp);
    EXPECT_EQ(after.natal.longitude, t.natal.longitude);
}

TEST(WheelModes, ShowingAWheelWithoutASecondPersonClearsTheSwitch) {
    const ChartTables t = charts(false);
    const OptionValues o;
    WheelModeState state;
    const WheelArrangement first = runWheelCommand(WheelCommand::TransitsNatal, contextOf(t, o), state);
    const WheelArrangement switched = switchTransitWheel(contextOf(t, o), state);
    EXPECT_EQ(switched.natalRing, ChartSetId::Diurnal);  // the transits moved outside
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
        {WheelCommand::ProgressedNatal, 1, t.progressed},
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
