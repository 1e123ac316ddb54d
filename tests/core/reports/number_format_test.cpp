#include "core/reports/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace helion {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
    const char* why;
};

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, PrintsExpectedText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " in " << c.pattern << ": " << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatNumber,
    ::testing::Values(
        FormatCase{0.125, "#0.00", "0.13", "exact binary half rounds away from zero"},
        FormatCase{-0.125, "#0.00", "-0.13", "negative half rounds away from zero"},
        FormatCase{2.675, "#0.00", "2.67", "stored just below the half"},
        FormatCase{1.005, "##0.00", "1.00", "stored just below the half"},
        FormatCase{9.995, "##0.00", "9.99", "stored just below the half"},
        FormatCase{99.95, "##0.0", "100.0", "stored just above the half, carries into a new digit"},
        FormatCase{0.05, "0.0", "0.1", "stored just above the half"},
        FormatCase{0.15, "0.0", "0.1", "stored just below the half"},
        FormatCase{0.25, "0.0", "0.3", "exact half, not to even"},
        FormatCase{-12.25, "##0.0", "-12.3", "exact negative half"},
        FormatCase{59.5, "00", "60", "minutes of 59.5 print 60"},
        FormatCase{59.49999999999999, "00", "59", "just below the half"},
        FormatCase{0.9999999, "0.0", "1.0", "carry through the point"}));

INSTANTIATE_TEST_SUITE_P(
    Signs, FormatNumber,
    ::testing::Values(
        FormatCase{-0.04, "0.0", "0.0", "rounds to zero: no minus sign"},
        FormatCase{-0.05, "0.0", "-0.1", "-0.05 is stored just beyond the half"},
        FormatCase{-0.0, "###0.00", "0.00", "negative zero"},
        FormatCase{-0.004, "###0.00", "0.00", "rounds to zero"},
        FormatCase{-5.0, "##0.0", "-5.0", "the sign stands before the first digit"},
        FormatCase{-0.4, "#0.0", "-0.4", "a zero units place is still printed"}));

INSTANTIATE_TEST_SUITE_P(
    Places, FormatNumber,
    ::testing::Values(
        FormatCase{5.0, "00", "05", "two forced digits"},
        FormatCase{123.0, "00", "123", "an integer part never loses digits"},
        FormatCase{7.0, "0", "7", ""},
        FormatCase{0.0, "0", "0", ""},
        FormatCase{0.0, "##0", "0", "only the last place is forced"},
        FormatCase{47.0, "##0", "47", ""},
        FormatCase{1000.0, "###0.00", "1000.00", "fills every place"},
        FormatCase{12345.678, "###0.00", "12345.68", "wider than the pattern"},
        FormatCase{5.5, "#0.00", "5.50", ""},
        FormatCase{10.3, "##.#0", "10.30", "a time of 10.30"},
        FormatCase{0.05, "##.#0", ".05", "no forced integer digit"},
        FormatCase{12.5, "##.#0", "12.50", "the # before a 0 in the fraction is forced"},
        FormatCase{71.04, "#00#.#0", "071.04", "the leftmost 0 forces every place to its right"},
        FormatCase{5.3, "#0#.#0", "05.30", ""},
        FormatCase{-71.04, "#00#.#0", "-071.04", "an east longitude"}));

TEST(FormatNumber, NonFiniteValuesDoNotBreakTheLine) {
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "0.0"), "nan");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "0.0"), "-inf");
}

TEST(FormatNumber, ExtremeMagnitudesPrintEveryDigit) {
    EXPECT_EQ(formatNumber(1e20, "0"), "100000000000000000000");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min(), "0.00"), "0.00");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::max(), "0").size(), 309u);
}

TEST(FormatDate, DayMonthYear) {
    EXPECT_EQ(formatDate({1952, 3, 7}), "07 Mar 1952");
    EXPECT_EQ(formatDate({2024, 12, 31}), "31 Dec 2024");
    EXPECT_EQ(formatDate({800, 1, 15}), "15 Jan 0800");
    EXPECT_EQ(formatDate({1990, 13, 1}), "01     1990");
}

}  // namespace
}  // namespace helion
