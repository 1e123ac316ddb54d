#include "core/base/numeric_text.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(NumericValue, LeadingNumberRule) {
    const std::pair<const char*, double> cases[] = {
        {"12", 12.0},      {"  2.5  Conjunct", 2.5}, {"12abc", 12.0}, {"abc", 0.0}, {"", 0.0},
        {"-.5", -0.5},     {"+3", 3.0},              {"1.5.3", 1.5},  {"-", 0.0},   {".", 0.0},
        {"1e2x", 100.0},   {"1e", 1.0},              {"\t7", 7.0},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(numericValue(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace helion
