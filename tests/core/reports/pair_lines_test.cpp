#include "core/reports/pair_lines.h"

#include <gtest/gtest.h>

#include "core/chart/chart_tables.h"

// The line layouts of every kind and of the parallels are covered by the golden reports.
namespace helion {
namespace {

TEST(AspectLine, SignTellsApplyingFromSeparating) {
    const struct {
        double difference;     // first minus second longitude
        const char* expected;  // nullptr: no line
    } rows[] = {
        {0.5, "Conjunct        MOON          -0.5 degrees"},    // passed exact
        {-0.5, "Conjunct        MOON           0.5 degrees"},   // not yet reached
        {359.6, "Conjunct        MOON           0.4 degrees"},  // 359.8 - 0.2 folds to 0.4
        {179.0, "Opposite        MOON           1.0 degrees"}, {-1.5, nullptr},
    };
    for (const auto& row : rows) {
        const auto line = aspectLine(Point::Sun, Point::Moon, row.difference);
        if (row.expected == nullptr) {
            EXPECT_EQ(line, std::nullopt) << row.difference;
        } else {
            EXPECT_EQ(line, std::string("  SUN           ") + row.expected) << row.difference;
        }
    }
}

}  // namespace
}  // namespace helion
