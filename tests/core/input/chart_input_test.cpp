#include "core/input/chart_input.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

InputWindowTexts newYork() {
    InputWindowTexts w;
    w.name = "Sample";
    w.month = "3";
    w.day = "7";
    w.year = "1952";
    w.hour = "10";
    w.minute = "30";
    w.zone = "5";
    w.longitudeDegrees = "74";
    w.longitudeMinutes = "0";
    w.latitudeDegrees = "40";
    w.latitudeMinutes = "43";
    return w;
}

std::vector<std::string> texts(const std::vector<Message>& messages) {
    std::vector<std::string> out;
    for (const auto& m : messages) {
        EXPECT_EQ(m.caption, "Warning!");
        out.push_back(m.text);
    }
    return out;
}

TEST(ValidateChartInput, AcceptsOrdinaryInput) {
    EXPECT_TRUE(validateChartInput(newYork(), newYork(), false).empty());
}

struct RejectCase {
    const char* what;
    void (*edit)(InputWindowTexts&);
    bool rejected;
};

class NatalFieldRule : public ::testing::TestWithParam<RejectCase> {};

TEST_P(NatalFieldRule, RejectsOnlyWhatIsOutOfRange) {
    InputWindowTexts natal = newYork();
    GetParam().edit(natal);
    const auto messages = texts(validateChartInput(natal, newYork(), true));
    if (GetParam().rejected) {
        ASSERT_FALSE(messages.empty()) << GetParam().what;
        for (const auto& m : messages) EXPECT_EQ(m, kNatalErrorText) << GetParam().what;
    } else {
        EXPECT_TRUE(messages.empty()) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NatalFieldRule,
    ::testing::Values(
        RejectCase{"zone -13", [](InputWindowTexts& w) { w.zone = "-13", w.east = true; }, false},
        RejectCase{"zone 12", [](InputWindowTexts& w) { w.zone = "12"; }, false},
        RejectCase{"zone -13.5", [](InputWindowTexts& w) { w.zone = "-13.5", w.east = true; }, true},
        RejectCase{"zone 12.5", [](InputWindowTexts& w) { w.zone = "12.5"; }, true},
        RejectCase{"zone -2 west", [](InputWindowTexts& w) { w.zone = "-2"; }, false},
        RejectCase{"zone -3 west", [](InputWindowTexts& w) { w.zone = "-3"; }, true},
        RejectCase{"zone -3 east", [](InputWindowTexts& w) { w.zone = "-3", w.east = true; }, false},
        RejectCase{"31 April", [](InputWindowTexts& w) { w.month = "4", w.day = "31"; }, false},
        RejectCase{"day 32", [](InputWindowTexts& w) { w.day = "32"; }, true},
        RejectCase{"year 2100", [](InputWindowTexts& w) { w.year = "2100"; }, true},
        RejectCase{"month 0", [](InputWindowTexts& w) { w.month = "0"; }, true},
        RejectCase{"month text", [](InputWindowTexts& w) { w.month = "March"; }, true},
        RejectCase{"empty minutes", [](InputWindowTexts& w) { w.longitudeMinutes = ""; }, true},
        RejectCase{"zero minutes", [](InputWindowTexts& w) { w.latitudeMinutes = "0"; }, false},
        RejectCase{"hour 13", [](InputWindowTexts& w) { w.hour = "13"; }, true},
        RejectCase{"minute 60", [](InputWindowTexts& w) { w.minute = "60"; }, true},
        RejectCase{"longitude 181", [](InputWindowTexts& w) { w.longitudeDegrees = "181"; }, true},
        RejectCase{"latitude 90 00", [](InputWindowTexts& w) { w.latitudeDegrees = "90", w.latitudeMinutes = "0"; }, false},
        RejectCase{"latitude 90 01", [](InputWindowTexts& w) { w.latitudeDegrees = "90", w.latitudeMinutes = "1"; }, true},
        RejectCase{"latitude 91", [](InputWindowTexts& w) { w.latitudeDegrees = "91"; }, true},
        RejectCase{"year overflows", [](InputWindowTexts& w) { w.year = "-1e300"; }, true},
        RejectCase{"hour overflows", [](InputWindowTexts& w) { w.hour = "-99999"; }, true}));

TEST(ValidateChartInput, LatitudeLimitAppliesToEveryHouseSystemButMeridian) {
    for (const auto& [degrees, minutes, tooHigh] : {std::tuple{"66", "0", false}, std::tuple{"66", "1", true},
                                                    std::tuple{"67", "0", true}}) {
        InputWindowTexts diurnal = newYork();
        diurnal.latitudeDegrees = degrees;
        diurnal.latitudeMinutes = minutes;
        diurnal.south = true;  // the hemisphere does not matter
        const auto messages = texts(validateChartInput(newYork(), diurnal, false));
        EXPECT_EQ(!messages.empty(), tooHigh) << degrees << " " << minutes;
        if (tooHigh) {
            EXPECT_EQ(messages, std::vector<std::string>{kLatitudeText});
        }
        EXPECT_TRUE(validateChartInput(newYork(), diurnal, true).empty());
    }
}

TEST(ValidateChartInput, EveryFailedCheckSpeaksInOrder) {
    InputWindowTexts natal = newYork(), diurnal = newYork();
    natal.hour = "";             // natal input missing
    diurnal.day = "0";           // diurnal input missing
    natal.latitudeDegrees = "70";  // latitude limit
    natal.minute = "75";         // natal range
    diurnal.zone = "14";         // diurnal range
    EXPECT_EQ(texts(validateChartInput(natal, diurnal, false)),
              (std::vector<std::string>{kNatalErrorText, kDiurnalErrorText, kLatitudeText, kNatalErrorText,
                                        kDiurnalErrorText}));
}

TEST(ReadChartInput, SignsTextsAndDateOrder) {
    InputWindowTexts w = newYork();
    w.east = true;
    w.south = true;
    w.am = false;
    const ChartInput in = readNatalInput(w, DateOrder::DayMonthYear);
    EXPECT_EQ(in.name, "Sample");
    EXPECT_FLOAT_EQ(in.time, 10.30f);
    EXPECT_EQ(in.halfDay, "P.M.");
    EXPECT_FLOAT_EQ(in.longitude, -74.0f);
    EXPECT_EQ(in.longitudeText, "EAST");
    EXPECT_FLOAT_EQ(in.latitude, -40.43f);
    EXPECT_EQ(in.latitudeText, "SOUTH");
    EXPECT_EQ(in.dateText, "7/3/1952");
    EXPECT_EQ(readNatalInput(newYork(), DateOrder::YearMonthDay).dateText, "1952/3/7");
    EXPECT_EQ(readNatalInput(newYork(), dateOrderFromCode(7)).dateText, "3/7/1952");
}

TEST(ReadChartInput, DayBeyondTheMonthIsTheDayItReallyIs) {
    InputWindowTexts w = newYork();
    w.month = "4";
    w.day = "31";
    w.year = "1950";
    const ChartInput in = readNatalInput(w, DateOrder::MonthDayYear);
    EXPECT_EQ(in.month, 5);
    EXPECT_EQ(in.day, 1);
    EXPECT_EQ(in.dateText, "5/1/1950");
}

TEST(ReadChartInput, AgeCountsCompletedYears) {
    const ChartInput natal = readNatalInput(newYork(), DateOrder::MonthDayYear);  // 7 March 1952
    InputWindowTexts diurnal = newYork();
    diurnal.year = "2000";
    diurnal.day = "6";  // one day before the birthday
    ChartInput d = readDiurnalInput(diurnal, natal, DateOrder::MonthDayYear);
    EXPECT_EQ(d.age, 47);
    EXPECT_EQ(d.birthdayYear, 1999);
    diurnal.day = "7";
    d = readDiurnalInput(diurnal, natal, DateOrder::MonthDayYear);
    EXPECT_EQ(d.age, 48);
    EXPECT_EQ(d.birthdayYear, 2000);
}

}  // namespace
}  // namespace helion
