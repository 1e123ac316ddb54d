#include "core/reports/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace helion {
namespace {

TEST(FormatNumber, RoundsHalvesAwayFromZeroAsTheValueIsStored) {
    struct Row {
        double value;
        const char* pattern;
        const char* expected;
        const char* why;
    };
    for (const Row& row :
         {Row{0.125, "#0.00", "0.13", "exact binary half rounds away from zero"},
          Row{99.95, "##0.0", "100.0", "stored just above the half, carries into a new digit"},
          Row{59.5, "00", "60", "minutes of 59.5 print 60"}, Row{59.49999999999999, "00", "59", "just below the half"},
          Row{-0.04, "0.0", "0.0", "rounds to zero: no minus sign"},
          Row{-0.05, "0.0", "-0.1", "-0.05 is stored just beyond the half"},
          Row{-0.0, "###0.00", "0.00", "negative zero"},
          Row{-0.4, "#0.0", "-0.4", "a zero units place is still printed"}, Row{5.0, "00", "05", "two forced digits"},
          Row{12345.678, "###0.00", "12345.68", "wider than the pattern"},
          Row{10.3, "##.#0", "10.30", "a time of 10.30"}, Row{0.05, "##.#0", ".05", "no forced integer digit"},
          Row{12.5, "##.#0", "12.50", "the # before a 0 in the fraction is forced"},
          Row{-71.04, "#00#.#0", "-071.04", "the leftmost 0 forces every place to its right"},
          // Non-finite and extreme values do not break the line.
          Row{std::numeric_limits<double>::quiet_NaN(), "0.0", "nan", ""},
          Row{std::numeric_limits<double>::denorm_min(), "0.00", "0.00", ""}}) {
        EXPECT_EQ(formatNumber(row.value, row.pattern), row.expected)
            << row.value << " in " << row.pattern << ": " << row.why;
    }
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::max(), "0").size(), 309u);
}

TEST(FormatDate, DayMonthYear) {
    EXPECT_EQ(formatDate({800, 1, 15}), "15 Jan 0800");
    EXPECT_EQ(formatDate({1990, 13, 1}), "01     1990");  // no month name beyond December
}

}  // namespace
}  // namespace helion
