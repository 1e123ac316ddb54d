#include "core/wheels/wheel_modes.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/wheels/wheel_input_adapter.h"

namespace helion {
namespace {

ChartTables charts(bool secondPerson) {
    ChartTables t;
    t.chartName = "Ann";
    t.secondPerson = secondPerson;
    ChartInput& natal = t.natalInput;
    natal.name = "Ann", natal.day = 7, natal.month = 3, natal.year = 1952, natal.time = 10.3f, natal.zone = 5.0f;
    natal.longitude = 74.3f, natal.latitude = 40.45f;
    ChartInput& diurnal = t.diurnalInput;
    diurnal.day = 1, diurnal.month = 1, diurnal.year = 2024, diurnal.time = 2.15f, diurnal.meridiem = Meridiem::PM;
    diurnal.zone = -1.0f, diurnal.longitude = -13.24f, diurnal.latitude = -52.3f, diurnal.age = 71;
    diurnal.birthdayYear = 2023;
    t.natal.siderealSeconds = 6 * 3600 + 39 * 60 + 52;
    t.diurnal.siderealSeconds = 11 * 3600 + 2 * 60 + 7;
    // Each chart set recognisable by its Sun and its first cusp.
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
TEST(WheelModes, EachCommandArrangesRingsTitlesAndOrbFile) {
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
        const char* line6;
        const char* line7;
    } rows[] = {
        {SingleNatal, 0, Natal, {}, {}, "", "NATAL.ORB", 0, "", ""},
        {ProgressedNatal, 0, Natal, Progressed, {}, "Ann", "NAT2PROG.ORB", 1, "Inner = progressed", ""},
        {ProgressedNatal, 1, Progressed, Natal, {}, "Ann", "NAT2PROG.ORB", 1, "Outer = progressed", ""},
        {MinorProgressedNatal, 0, Natal, MinorProgressed, {}, blank, "NAT2SA.ORB", 2, "Inner = minor prog", ""},
        {MinorProgressedNatal, 2, MinorProgressed, Natal, {}, blank, "NAT2SA.ORB", 2, "Outer = minor prog", ""},
        {TransitsMinorProgressedNatal, 0, Natal, MinorProgressed, Diurnal, blank, "NAT2SA.ORB", 2, "Inner = transits",
         "Middle = minor prog"},
        {TransitsNatal, 0, Natal, Diurnal, {}, "Bob", "NAT2TRAN.ORB", 3, "Inner = transits", ""},
        {TransitsNatal, 1, Diurnal, Natal, {}, "Ann", "NAT2TRAN.ORB", 3, "Outer = transits", ""},
        {MinorProgressedProgressedNatal, 0, Natal, Progressed, MinorProgressed, "Ann", "NAT2TRAN.ORB", 3,
         "Inner = minor progressions", "Middle = progressions"},
        {TransitsProgressedNatal, 0, Natal, Progressed, Diurnal, "Ann", "NAT2TRAN.ORB", 3, "Inner = transits",
         "Middle = progressions"},
    };
    WheelModeState state;
    for (const auto& row : rows) {
        const OptionValues o = outside(row.option216);
        const WheelArrangement a = runWheelCommand(row.command, contextOf(t, o), state);
        SCOPED_TRACE(::testing::Message() << static_cast<int>(row.command) << " option 216 " << row.option216);
        EXPECT_EQ(a.kind, !row.second ? WheelKind::Single : row.third ? WheelKind::Triple : WheelKind::Dual);
        EXPECT_EQ(a.houseChart, Natal);
        EXPECT_EQ(a.natalRing, row.outer);
        EXPECT_EQ(a.secondRing, row.second);
        EXPECT_EQ(a.thirdRing, row.third);
        EXPECT_EQ(a.secondRingName, row.secondName);
        EXPECT_EQ(state.currentOrbFile, row.orbFile);
        EXPECT_EQ(state.wheelCommand, row.commandCode);
        EXPECT_EQ(a.titles.diurnal[0], row.second ? "Diurnal data" : "");
        EXPECT_EQ(a.titles.diurnal[5], row.line6);
        EXPECT_EQ(a.titles.diurnal[6], row.line7);
    }
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
