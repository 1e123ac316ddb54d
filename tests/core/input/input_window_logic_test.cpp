#include "core/input/input_window_logic.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(KeyAccepted, DigitsEverywhereSignAndPointOnlyInTheZone) {
    struct Row {
        char32_t key;
        bool digits, zone, name;
    };
    for (const Row& row : {Row{U'7', true, true, true}, Row{U'\b', true, true, true}, Row{U'-', false, true, true},
                           Row{U'.', false, true, true}, Row{U'a', false, false, true}, Row{U' ', false, false, true},
                           Row{U'+', false, false, true}, Row{U'\u00e9', false, false, true}}) {
        EXPECT_EQ(keyAccepted(KeyFilter::Digits, row.key), row.digits) << static_cast<int>(row.key);
        EXPECT_EQ(keyAccepted(KeyFilter::ZoneDigits, row.key), row.zone) << static_cast<int>(row.key);
        EXPECT_EQ(keyAccepted(KeyFilter::AnyText, row.key), row.name) << static_cast<int>(row.key);
    }
}

TEST(CorrectHour, FoldsOntoTheTwelveHourClock) {
    struct Row {
        const char* typed;
        std::optional<std::string> text;
        bool pm;
    };
    for (const Row& row : {Row{"0", "12", false}, Row{"00", "12", false}, Row{"12", std::nullopt, false},
                           Row{"07", std::nullopt, false}, Row{"13", "1", true}, Row{"17", "5", true},
                           Row{"24", "12", true}, Row{"25", "1", true}, Row{"123", "3", true},
                           Row{"99999999999999", "3", true}}) {
        for (HourBox box : {HourBox::Natal, HourBox::Diurnal}) {
            const HourCorrection c = correctHour(row.typed, box);
            EXPECT_EQ(c.text, row.text) << row.typed;
            EXPECT_EQ(c.selectPm, row.pm) << row.typed;
            EXPECT_FALSE(c.message) << row.typed;
        }
    }
}

TEST(CorrectHour, EmptyBoxAndTextThatIsNoNumber) {
    EXPECT_EQ(correctHour("", HourBox::Natal).message, (Message{"Warning!", "Please fill in a value for birth hour."}));
    EXPECT_EQ(correctHour("", HourBox::Diurnal).message,
              (Message{"Warning!", "Please fill in a value for diurnal hour."}));
    // The natal box reads a leading number; "x" counts as 0.
    EXPECT_EQ(correctHour("x", HourBox::Natal).text, "12");
    EXPECT_EQ(correctHour("15x", HourBox::Natal).text, "3");
    const std::string tooLong(400, '9');
    for (const std::string& typed : {std::string("x"), std::string("15x"), std::string("1.2.3"), tooLong}) {
        const HourCorrection c = correctHour(typed, HourBox::Diurnal);
        EXPECT_EQ(c.message, (Message{"Warning!", "You are typing too fast. Please slow down."})) << typed;
        EXPECT_FALSE(c.text);
    }
    // A natal number too large for any clock is left for the validator to reject.
    EXPECT_FALSE(correctHour(tooLong, HourBox::Natal).text);
}

TEST(ZoneTextForDirection, EastNegativeWestPositiveEmptyStays) {
    EXPECT_EQ(zoneTextForDirection("5", true), "-5");
    EXPECT_EQ(zoneTextForDirection("-5", false), "5");
    EXPECT_EQ(zoneTextForDirection("-5.5", true), "-5.5");
    EXPECT_EQ(zoneTextForDirection("0", true), "0");
    EXPECT_EQ(zoneTextForDirection("", true), "");
}

TEST(FillDateAndTime, HourOnTheTwelveHourClockWithItsHalfDay) {
    struct Row {
        int hour;
        const char* text;
        bool am;
    };
    for (const Row& row : {Row{0, "12", true}, Row{9, "9", true}, Row{12, "12", false}, Row{23, "11", false}}) {
        InputWindowTexts texts;
        fillDateAndTime(texts, {2024, 3, 5, row.hour, 7});
        EXPECT_EQ(texts.hour, row.text);
        EXPECT_EQ(texts.am, row.am);
        EXPECT_EQ(texts.month + "/" + texts.day + "/" + texts.year + " " + texts.minute, "3/5/2024 7");
    }
}

TEST(FillDefaultPlace, OptionsGiveZonePlaceAndDirections) {
    OptionValues options;
    options.value[option::DefaultZone] = 5.5f;
    options.value[option::DefaultLongitudeDegrees] = 74;
    options.value[option::DefaultLongitudeMinutes] = 0;
    options.value[option::DefaultLongitudeEast] = 1;
    options.value[option::DefaultLatitudeDegrees] = 40;
    options.value[option::DefaultLatitudeMinutes] = 43;
    options.value[option::DefaultLatitudeSouth] = 0;
    InputWindowTexts texts;
    fillDefaultPlace(texts, options);
    EXPECT_EQ(texts.zone, "-5.5");
    EXPECT_TRUE(texts.east);
    EXPECT_FALSE(texts.south);
    EXPECT_EQ(texts.longitudeDegrees + " " + texts.longitudeMinutes, "74 0");
    EXPECT_EQ(texts.latitudeDegrees + " " + texts.latitudeMinutes, "40 43");
}

TEST(SecondPersonMenuSwitches, SwitchesBetweenTransitsAndSecondPerson) {
    const auto person = secondPersonMenuSwitches(true);
    const auto transits = secondPersonMenuSwitches(false);
    EXPECT_EQ(person[1].objectName, "mnuDataProgressions");
    EXPECT_EQ(person[1].enabled, false);
    EXPECT_EQ(transits[1].enabled, true);
    EXPECT_EQ(person[3].caption, "2nd &Person");
    EXPECT_EQ(transits[3].caption, "&Transits");
    EXPECT_EQ(person[6].caption, "2nd &Person Natal vs Natal");
    EXPECT_EQ(transits[6].caption, "&Transits vs Natal");
    EXPECT_FALSE(person[6].enabled);
    EXPECT_EQ(person[0].enabled, true);
}

}  // namespace
}  // namespace helion
