#include <gtest/gtest.h>

#include "core/input/input_window_logic.h"

namespace helion {
namespace {

// A second person has no progressions or solar arcs of its own: those commands rest, and
// the transit commands speak of the second person instead. Clearing the box undoes it all.
TEST(SecondPersonMenuSwitches, TheTransitCommandsTurnToTheSecondPersonAndTheOthersRest) {
    using enum MenuCommand;
    using Caption = std::optional<std::string_view>;
    const struct {
        MenuCommand command;
        std::optional<bool> enabledWithSecond, enabledWithout;
        Caption captionWithSecond, captionWithout;
    } rows[] = {
        {DataSummary, true, true, std::nullopt, std::nullopt},
        {DataProgressions, false, true, std::nullopt, std::nullopt},
        {DataSolarArc, false, true, std::nullopt, std::nullopt},
        {DataTransits, true, true, "2nd &Person", "&Transits"},
        {WheelsNatalAndProgressed, false, true, std::nullopt, std::nullopt},
        {WheelsNatalAndSolarArc, false, true, std::nullopt, std::nullopt},
        {WheelsNatalAndTransits, std::nullopt, std::nullopt, "2nd &Person Natal vs Natal", "&Transits vs Natal"},
    };
    for (const bool second : {true, false}) {
        const auto switches = secondPersonMenuSwitches(second);
        ASSERT_EQ(switches.size(), std::size(rows));
        for (std::size_t k = 0; k < switches.size(); ++k) {
            SCOPED_TRACE(testing::Message() << k << (second ? " with" : " without"));
            EXPECT_EQ(switches[k].command, rows[k].command);
            EXPECT_EQ(switches[k].enabled, second ? rows[k].enabledWithSecond : rows[k].enabledWithout);
            EXPECT_EQ(switches[k].caption, second ? rows[k].captionWithSecond : rows[k].captionWithout);
        }
    }
}

}  // namespace
}  // namespace helion
