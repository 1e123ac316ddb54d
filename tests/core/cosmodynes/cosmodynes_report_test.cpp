#include <gtest/gtest.h>

#include <string>

#include "core/cosmodynes/cosmo_grid_report.h"
#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/cosmodynes/score_tables_report.h"

namespace helion {
namespace {

TEST(ScoreTables, EmptyColumnShowsZeroSharesAndTiesKeepTheirOrder) {
    ScoreTable table{"header", "clipboard header", {}};
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        table.rows[i] = {"row " + std::string(1, static_cast<char>('a' + i)) + std::string(14, ' '), 10.0, 1.0, 0.0};
    table.rows[5].power = 20.0;
    ReportLines lines;
    CosmoClipboard clipboard;
    appendScoreTable(table, lines, clipboard);
    // Power order: f first, then a, b, c ... as listed; discord total 0 gives 0.0 shares.
    EXPECT_EQ(lines[1].substr(0, 5), "row f");
    EXPECT_EQ(lines[2].substr(0, 5), "row a");
    EXPECT_EQ(lines[3].substr(0, 5), "row b");
    EXPECT_TRUE(lines[1].ends_with("   0.00      0.0")) << lines[1];
    // Net order: all nets equal, so the rows keep their order.
    EXPECT_EQ(lines[16], "row a                10.00                1.00    8.3        1.00                0.00");
}

}  // namespace
}  // namespace helion
