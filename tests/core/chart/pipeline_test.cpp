#include "core/chart/pipeline.h"

#include <gtest/gtest.h>

#include "../astro/fake_ephemeris.h"
#include "core/astro/houses.h"
#include "core/input/names_record.h"

namespace helion {
namespace {

ChartRequest request(const char* natal, const char* diurnal) {
    ChartRequest r;
    for (auto [text, texts] : {std::pair{natal, &r.natal}, std::pair{diurnal, &r.diurnal}}) {
        const auto parse = parseNamesRecord(text);
        EXPECT_TRUE(parse.texts) << parse.error;
        *texts = parse.texts.value_or(InputWindowTexts{});
    }
    return r;
}

constexpr const char* kNatal = "Sample,07 Mar 1952,10.30,A,5,74.00,40.43";
constexpr const char* kTransit = "Transit,06 Dec 2026,12.00,P,-1,-13.24,52.31";

ChartTables run(const ChartRequest& r, const Ephemeris& eph = test::FakeEphemeris{}) {
    ChartRun result = computeCharts(r, eph, ChartTables{});
    EXPECT_TRUE(result.tables);
    return result.tables.value_or(ChartTables{});
}

TEST(Pipeline, RejectedInputComputesNothing) {
    ChartRequest r = request(kNatal, kTransit);
    r.natal.latitudeDegrees = "70";
    const ChartRun result = computeCharts(r, test::FakeEphemeris{}, ChartTables{});
    EXPECT_FALSE(result.tables);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].text, kLatitudeText);
}

TEST(Pipeline, InvariantsOfEverySet) {
    const ChartTables t = run(request(kNatal, kTransit));
    for (const ChartPositions* set : {&t.natal, &t.diurnal, &t.progressed, &t.minorProgressed}) {
        const auto& lon = set->longitude;
        EXPECT_NEAR(normalize360(lon[Point::SouthNode] - lon[Point::NorthNode]), 180.0, 1e-9);
        EXPECT_NEAR(lon[Point::PartOfFortune], normalize360(lon[Point::Ascendant] + lon[Point::Moon] - lon[Point::Sun]),
                    1e-9);
        for (const double l : lon) {
            EXPECT_GE(l, 0.0);
            EXPECT_LT(l, 360.0);
        }
    }
    PointFlags backwards{};  // the fake Mercury and Saturn move backwards
    backwards[Point::Mercury] = backwards[Point::Saturn] = true;
    EXPECT_EQ(t.natal.retrograde, backwards);
    // The cusp routine reaches the angles through its own chain of rotations.
    EXPECT_NEAR(t.natal.cusp[1], t.natal.longitude[Point::Midheaven], 1e-7);
    EXPECT_NEAR(t.natal.cusp[4], t.natal.longitude[Point::Ascendant], 1e-7);
}

TEST(Pipeline, DiurnalDateOnTheBirthDateProgressesNothing) {
    const ChartTables t = run(request(kNatal, kNatal));
    EXPECT_DOUBLE_EQ(t.progressedMoment.jd, t.natalMoment.jd);
    EXPECT_NEAR(t.minorMoment.jd, t.natalMoment.jd, 0.00007);
    for (const ChartPositions* set : {&t.progressed, &t.minorProgressed, &t.diurnal}) {
        EXPECT_NEAR(set->longitude[Point::Midheaven], t.natal.longitude[Point::Midheaven], 1e-6);
        EXPECT_NEAR(set->longitude[Point::Ascendant], t.natal.longitude[Point::Ascendant], 1e-5);
    }
}

TEST(Pipeline, DerivedAnglesAreDirectedBySolarArcThenPlacedInHouses) {
    const ChartTables t = run(request(kNatal, kTransit));
    const double natalSun = t.natal.longitude[Point::Sun], natalMc = t.natal.longitude[Point::Midheaven];
    for (const ChartPositions* set : {&t.progressed, &t.minorProgressed, &t.diurnal}) {
        EXPECT_NEAR(set->longitude[Point::Midheaven], normalize360(set->longitude[Point::Sun] + natalMc - natalSun),
                    1e-9);
    }
    for (const ChartPositions* set : {&t.progressed, &t.minorProgressed}) {
        EXPECT_EQ(set->house, placeInHouses(set->longitude, set->cusp));
    }
}

TEST(Pipeline, MissingMinorMomentKeepsThePreviousSetAndWarns) {
    const test::FakeEphemeris moving;
    const ChartTables first = run(request(kNatal, kTransit), moving);
    test::FakeEphemeris stuck = moving;
    stuck.motions[body::Moon].degreesPerDay = 0.5;  // a Moon this slow cannot reach its target within a day
    const ChartRun second = computeCharts(request(kNatal, "Later,01 Jan 2030,1.00,A,0,0.00,51.30"), stuck, first);
    ASSERT_TRUE(second.tables);
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(second.messages[0].caption, "Warning!");
    EXPECT_EQ(second.tables->minorProgressed.longitude, first.minorProgressed.longitude);
    EXPECT_EQ(second.tables->minorMoment.jd, first.minorMoment.jd);
}

TEST(Pipeline, JulianDaysFollowTheCalendarOfTheirDate) {
    // Before the reform of 1582 a date is a Julian-calendar date, for planets and houses alike.
    EXPECT_DOUBLE_EQ(run(request("Old,01 Jan 1500,12.00,P,0,0.00,45.00", kTransit)).natalMoment.jd, 2268933.0);
    // 12.xx A.M. is just after midnight; the clock time is held in single precision.
    const ChartTables midnight = run(request("Night,01 Jan 2000,12.30,A,0,0.00,45.00", kTransit));
    EXPECT_NEAR(midnight.natalMoment.jd, 2451544.5 + 0.5 / 24.0, 1e-7);
}

TEST(Pipeline, AMomentTheEphemerisCannotComputeStopsTheRunTheAnalyticalTheoryOnlyTellsIt) {
    test::FakeEphemeris eph;
    eph.filesFromJd = 2378496.5;  // 1 Jan 1800
    eph.computableFromJd = 625000.0;
    const ChartRun beyond = computeCharts(request("Old,07 Mar -5000,10.30,A,5,74.00,40.43", kTransit), eph, {});
    EXPECT_FALSE(beyond.tables);
    EXPECT_EQ(beyond.messages, std::vector<Message>{warningMessage(kBeyondEphemerisText)});
    EXPECT_NE(std::string(kBeyondEphemerisText).find("28 Feb -3001 to 31 Dec 2099"), std::string::npos);

    const ChartRun analytical = computeCharts(request("Old,07 Mar 1700,10.30,A,5,74.00,40.43", kTransit), eph, {});
    EXPECT_TRUE(analytical.tables);
    EXPECT_EQ(analytical.messages, std::vector<Message>{informationMessage(kAnalyticalTheoryText)});
    EXPECT_TRUE(computeCharts(request(kNatal, kTransit), eph, {}).messages.empty());
}

}  // namespace
}  // namespace helion
