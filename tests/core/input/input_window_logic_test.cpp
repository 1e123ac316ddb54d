#include "core/input/input_window_logic.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(KeyAccepted, DigitsEverywhereSignAndPointOnlyInTheZone) {
    struct Row {
        char32_t key;
        bool digits, zone;
    };
    for (const Row& row : {Row{U'7', true, true}, Row{U'\b', true, true}, Row{U'-', false, true},
                           Row{U'.', false, true}, Row{U'a', false, false}, Row{U'\u00e9', false, false}}) {
        EXPECT_EQ(keyAccepted(KeyFilter::Digits, row.key), row.digits) << static_cast<int>(row.key);
        EXPECT_EQ(keyAccepted(KeyFilter::ZoneDigits, row.key), row.zone) << static_cast<int>(row.key);
        EXPECT_TRUE(keyAccepted(KeyFilter::AnyText, row.key)) << static_cast<int>(row.key);
    }
}

TEST(KeyAccepted, AZoneTakesItsMinusSignOnlyInFront) {
    for (const auto& [text, accepted] : {std::pair{"-5.5", true}, std::pair{"-", true}, std::pair{"5.5-", false},
                                         std::pair{"5-5", false}, std::pair{"--5", false}}) {
        EXPECT_EQ(textAccepted(KeyFilter::ZoneDigits, text), accepted) << text;
    }
    EXPECT_TRUE(textAccepted(KeyFilter::AnyText, "Ann-Marie"));
}

TEST(CorrectHour, FoldsOntoTheTwelveHourClock) {
    struct Row {
        const char* typed;
        std::optional<std::string> text;
        bool pm;
    };
    // Past 23 the text is no time of day: it stays for OK to refuse, rolled into no other hour.
    for (const Row& row :
         {Row{"0", "12", false}, Row{"12", std::nullopt, false}, Row{"13", "1", true}, Row{"23", "11", true},
          Row{"24", std::nullopt, false}, Row{"99999999999999", std::nullopt, false}}) {
        for (HourBox box : {HourBox::Natal, HourBox::Diurnal}) {
            const HourCorrection c = correctHour(row.typed, box);
            EXPECT_EQ(std::tie(c.text, c.selectPm), std::tie(row.text, row.pm)) << row.typed;
            EXPECT_FALSE(c.message) << row.typed;
        }
    }
}

TEST(CorrectHour, EmptyBoxAndTextThatIsNoNumber) {
    EXPECT_EQ(correctHour("", HourBox::Natal).message, warningMessage("Please fill in a value for birth hour."));
    EXPECT_EQ(correctHour("", HourBox::Diurnal).message, warningMessage("Please fill in a value for diurnal hour."));
    // The natal box reads a leading number; "x" counts as 0.
    EXPECT_EQ(correctHour("x", HourBox::Natal).text, "12");
    EXPECT_EQ(correctHour("15x", HourBox::Natal).text, "3");
    const std::string tooLong(400, '9');
    for (const std::string& typed : {std::string("x"), std::string("15x"), std::string("1.2.3"), tooLong}) {
        const HourCorrection c = correctHour(typed, HourBox::Diurnal);
        EXPECT_EQ(c.message, warningMessage("You are typing too fast. Please slow down.")) << typed;
        EXPECT_FALSE(c.text);
    }
    // A natal number too large for any clock is left for the validator to reject.
    EXPECT_FALSE(correctHour(tooLong, HourBox::Natal).text);
}

TEST(ZoneTextForDirection, EastNegativeWestPositiveEmptyStays) {
    for (const auto& [zone, east, text] :
         {std::tuple{"5", true, "-5"}, std::tuple{"-5", false, "5"}, std::tuple{"-5.5", true, "-5.5"},
          std::tuple{"0", true, "0"}, std::tuple{"", true, ""}})
        EXPECT_EQ(zoneTextForDirection(zone, east), text) << zone << " east " << east;
}

TEST(FillInputWindow, HourOnTheTwelveHourClockWithItsHalfDay) {
    for (const auto& [hour, text, am] : {std::tuple{0, "12", true}, std::tuple{9, "9", true},
                                         std::tuple{12, "12", false}, std::tuple{23, "11", false}}) {
        InputWindowTexts texts;
        fillDateAndTime(texts, {2024, 3, 5, hour, 7});
        EXPECT_EQ(std::tie(texts.hour, texts.am), std::tuple(text, am)) << hour;
        EXPECT_EQ(texts.month + "/" + texts.day + "/" + texts.year + " " + texts.minute, "3/5/2024 7");
    }
}

}  // namespace
}  // namespace helion
