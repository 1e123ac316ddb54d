#include "core/input/chart_input.h"

#include <gtest/gtest.h>

#include "core/input/names_record.h"

namespace helion {
namespace {

const InputWindowTexts kNewYork = *parseNamesRecord("Sample,07 Mar 1952,10.30,A,5,74.00,40.43").texts;

std::vector<std::string> texts(const std::vector<Message>& messages) {
    std::vector<std::string> out;
    for (const auto& m : messages) {
        EXPECT_EQ(m.caption, "Warning!");
        out.push_back(m.text);
    }
    return out;
}

TEST(ValidateChartInput, NatalRangesRejectOnlyWhatIsOutOfRange) {
    using Edit = void (*)(InputWindowTexts&);
    const struct {
        const char* what;
        Edit edit;
        bool rejected;
    } rows[] = {
        {"zone -13", [](InputWindowTexts& w) { w.zone = "-13", w.east = true; }, false},
        {"zone 12", [](InputWindowTexts& w) { w.zone = "12"; }, false},
        {"zone -13.5", [](InputWindowTexts& w) { w.zone = "-13.5", w.east = true; }, true},
        {"zone 12.5", [](InputWindowTexts& w) { w.zone = "12.5"; }, true},
        {"zone -2 west", [](InputWindowTexts& w) { w.zone = "-2"; }, false},
        {"zone -3 west", [](InputWindowTexts& w) { w.zone = "-3"; }, true},
        {"zone -3 east", [](InputWindowTexts& w) { w.zone = "-3", w.east = true; }, false},
        {"zone 5.5-", [](InputWindowTexts& w) { w.zone = "5.5-"; }, true},
        {"day 32", [](InputWindowTexts& w) { w.day = "32"; }, true},
        {"year 2100", [](InputWindowTexts& w) { w.year = "2100"; }, true},
        {"month 0", [](InputWindowTexts& w) { w.month = "0"; }, true},
        {"month text", [](InputWindowTexts& w) { w.month = "March"; }, true},
        {"empty minutes", [](InputWindowTexts& w) { w.longitudeMinutes = ""; }, true},
        {"hour 13", [](InputWindowTexts& w) { w.hour = "13"; }, true},
        {"minute 60", [](InputWindowTexts& w) { w.minute = "60"; }, true},
        {"longitude 180 00", [](InputWindowTexts& w) { w.longitudeDegrees = "180", w.longitudeMinutes = "0"; }, false},
        {"longitude 180 30", [](InputWindowTexts& w) { w.longitudeDegrees = "180", w.longitudeMinutes = "30"; }, true},
        {"latitude 90 00", [](InputWindowTexts& w) { w.latitudeDegrees = "90", w.latitudeMinutes = "0"; }, false},
        {"latitude 90 01", [](InputWindowTexts& w) { w.latitudeDegrees = "90", w.latitudeMinutes = "1"; }, true},
        {"year overflows", [](InputWindowTexts& w) { w.year = "-1e300"; }, true},
        {"hour overflows", [](InputWindowTexts& w) { w.hour = "-99999"; }, true},
    };
    for (const auto& row : rows) {
        InputWindowTexts natal = kNewYork;
        row.edit(natal);
        const auto messages = texts(validateChartInput(typedInput(natal), typedInput(kNewYork), true));
        EXPECT_EQ(!messages.empty(), row.rejected) << row.what;
        for (const auto& m : messages) EXPECT_EQ(m, kNatalErrorText) << row.what;
    }
}

TEST(ValidateChartInput, LatitudeLimitAppliesUnlessTheHousesAreDefinedEverywhere) {
    for (const auto& [degrees, minutes, tooHigh] :
         {std::tuple{"66", "0", false}, std::tuple{"66", "1", true}, std::tuple{"67", "0", true}}) {
        InputWindowTexts diurnal = kNewYork;
        diurnal.latitudeDegrees = degrees;
        diurnal.latitudeMinutes = minutes;
        diurnal.south = true;  // the hemisphere does not matter
        EXPECT_EQ(texts(validateChartInput(typedInput(kNewYork), typedInput(diurnal), false)),
                  tooHigh ? std::vector<std::string>{kLatitudeText} : std::vector<std::string>{})
            << degrees << " " << minutes;
        EXPECT_TRUE(validateChartInput(typedInput(kNewYork), typedInput(diurnal), true).empty());
    }
}

TEST(ValidateChartInput, EveryFailedCheckSpeaksInOrder) {
    InputWindowTexts natal = kNewYork, diurnal = kNewYork;
    natal.hour = "";               // natal input missing
    diurnal.day = "0";             // diurnal input missing
    natal.latitudeDegrees = "70";  // latitude limit
    natal.minute = "75";           // natal range
    diurnal.zone = "14";           // diurnal range
    EXPECT_EQ(texts(validateChartInput(typedInput(natal), typedInput(diurnal), false)),
              (std::vector<std::string>{kNatalErrorText, kDiurnalErrorText, kLatitudeText, kNatalErrorText,
                                        kDiurnalErrorText}));
}

// Signs and their texts are covered by the south_east golden reports.
TEST(ReadChartInput, ARolledDateIsKeptAndToldInTheRegionalOrder) {
    InputWindowTexts april31 = kNewYork;
    april31.month = "4", april31.day = "31", april31.year = "1950";
    const ChartInput may1 = readNatalInput(typedInput(april31));
    EXPECT_EQ(std::pair(may1.month, may1.day), std::pair(5, 1));
    const struct {
        const InputWindowTexts& texts;
        DateOrder order;
        const char* typed;
        const char* real;
    } rows[] = {
        {kNewYork, DateOrder::DayMonthYear, "", ""},
        {april31, dateOrderFromCode(7), "4/31/1950", "5/1/1950"},
    };
    const ChartInput onTime = readNatalInput(typedInput(kNewYork));
    for (const auto& row : rows) {
        std::vector<Message> expected;
        if (*row.typed) {
            expected.push_back({"Information", std::string("The natal date ") + row.typed +
                                                   " does not exist; the chart is computed for " + row.real + "."});
        }
        EXPECT_EQ(rolledDateNotices(readNatalInput(typedInput(row.texts)), onTime, row.order), expected) << row.typed;
    }
}

TEST(ReadChartInput, AgeCountsCompletedYears) {
    const ChartInput natal = readNatalInput(typedInput(kNewYork));  // 7 March 1952
    InputWindowTexts diurnal = kNewYork;
    diurnal.year = "2000";
    for (const auto& [day, age, birthdayYear] : {std::tuple{"6", 47, 1999}, std::tuple{"7", 48, 2000}}) {
        diurnal.day = day;
        const ChartInput d = readDiurnalInput(typedInput(diurnal), natal);
        EXPECT_EQ(std::pair(d.age, d.birthdayYear), std::pair(age, birthdayYear)) << "day " << day;
    }
}

}  // namespace
}  // namespace helion
