#include "core/base/numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

namespace helion {
namespace {

TEST(NumericValue, LeadingNumberRule) {
    struct Row {
        const char* text;
        double value;
        bool startsWithNumber;
    };
    const Row rows[] = {
        {"12", 12.0, true},     {"  2.5  Conjunct", 2.5, true},
        {"12abc", 12.0, true},  {"abc", 0.0, false},
        {"", 0.0, false},       {"-.5", -0.5, true},
        {"+3", 3.0, true},      {"1.5.3", 1.5, true},
        {"1e2x", 100.0, true},  {"1e", 1.0, true},
        {"+.", 0.0, false},     {"1e999", HUGE_VAL, true},
        {"-1e-999", 0.0, true},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(numericValue(row.text), row.value) << '"' << row.text << '"';
        EXPECT_EQ(startsWithNumber(row.text), row.startsWithNumber) << '"' << row.text << '"';
    }
}

TEST(ExactNumber, TheWholeTextIsOneDecimalNumber) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"5", 5.0},         {"-3.5", -3.5},      {"+.5", 0.5},          {"5h", std::nullopt}, {"1e3", std::nullopt},
        {"", std::nullopt}, {".", std::nullopt}, {"+-5", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(exactNumber(text), value) << '"' << text << '"';
}

TEST(ExactShortInteger, SixteenBitsAndNothingElse) {
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"-32768", -32768},   {"32767", 32767},      {"32768", std::nullopt},
        {"+1", std::nullopt}, {"1.0", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(exactShortInteger(text), value) << '"' << text << '"';
}

// Under a decimal-comma locale the C library reads "1.5" as 1; the readers must not.
TEST(NumericValue, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale here";
    const double value = numericValue("1.5");
    const std::optional<double> exact = exactNumber("1.5");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(value, 1.5);
    EXPECT_EQ(exact, 1.5);
}

}  // namespace
}  // namespace helion
