#include "core/cosmodynes/cosmodynes_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/cosmodynes/cosmo_number_fill.h"
#include "core/cosmodynes/score_tables_report.h"
#include "test_charts.h"

namespace helion {
namespace {

ChartTables handChartTables() {
    ChartTables tables;
    tables.natal = testing::handCheckedChart();
    tables.progressed = tables.natal;
    tables.chartName = "Hand Chart";
    ChartInput& natal = tables.natalInput;
    natal.year = 1952, natal.month = 3, natal.day = 7, natal.time = 10.30f, natal.halfDay = "A.M.";
    natal.zone = 5.0f, natal.latitude = -40.43f, natal.latitudeText = "SOUTH", natal.longitude = 74.0f;
    natal.longitudeText = "WEST";
    tables.diurnalInput = natal;
    return tables;
}

std::vector<std::string> entriesOf(const std::string& clipboardText) {
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < clipboardText.size();) {
        const std::size_t end = clipboardText.find("\r\n", at);
        if (end == std::string::npos) break;
        entries.push_back(clipboardText.substr(at, end - at));
        at = end + 2;
    }
    return entries;
}

struct FillCase {
    std::string actual;
    std::string expected;
};

TEST(CosmoNumberFill, AlignsDecimalPointsAndWidensOnlyForLargeValues) {
    for (const FillCase& c : {FillCase{pad7(5.0), "   5.00"}, FillCase{pad7(-5.0), "  -5.00"},
                              FillCase{pad7(-123.456), "-123.46"}, FillCase{pad7(1000.0), " 1000.00"},
                              FillCase{pad7(-0.001), "   0.00"}, FillCase{pad6(12.5), " 12.50"},
                              FillCase{pad6(0.0), "  0.00"}, FillCase{pad6(-0.4), " -0.40"},
                              FillCase{pad6(-12.5), "-12.50"}, FillCase{pad4(9.96), "10.0"},
                              FillCase{pad4(5.0), " 5.0"}, FillCase{pad4Number(3), "  3"},
                              FillCase{pad4Number(10), " 10"},
                              FillCase{pad7Text("12.50 / 3.25"), "  12.50 / 3.25"}}) {
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(ScoreTables, HouseRowLabelsAreNineteenCharacters) {
    const ScoreTable table = houseTable(computeNatalCosmodynes(testing::handCheckedChart()));
    EXPECT_EQ(table.rows[2].label, "     3             ");
    EXPECT_EQ(table.rows[9].label, "    10             ");
}

TEST(ScoreTables, EmptyColumnShowsZeroSharesAndTiesKeepTheirOrder) {
    ScoreTable table{"header", "clipboard header", {}};
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        table.rows[i] = {"row " + std::string(1, static_cast<char>('a' + i)) + std::string(14, ' '), 10.0, 1.0, 0.0};
    }
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
    EXPECT_EQ(lines[16].substr(0, 5), "row a");
    EXPECT_EQ(lines[16], "row a                10.00                1.00    8.3        1.00                0.00");
}

TEST(CosmodynesReport, ClipboardPlacesEveryEntry) {
    const CosmodynesReport report = cosmodynesReport(handChartTables());
    ASSERT_TRUE(report.clipboardText.ends_with("\r\n"));
    const std::vector<std::string> entries = entriesOf(report.clipboardText);
    ASSERT_EQ(entries.size(), 83u);
    EXPECT_EQ(entries[0], "  Hand Chart, 07 Mar 1952, TZ = 5.0, 10.30 A.M., 40.43 SOUTH, 74.00 WEST");
    EXPECT_EQ(entries[1], "");
    EXPECT_TRUE(entries[2].starts_with("  Planet             Power    %"));
    // The strongest point by power beside the most harmonious one.
    EXPECT_EQ(entries[3].size(), 46u + 3u + 46u);
    EXPECT_TRUE(entries[15].starts_with("  TOTALS"));
    EXPECT_EQ(entries[16], "");
    EXPECT_TRUE(entries[17].starts_with("  Sign"));
    EXPECT_TRUE(entries[32].starts_with("  House"));
    EXPECT_EQ(entries[46], "");
    EXPECT_TRUE(entries[47].starts_with("  Signs"));
    EXPECT_TRUE(entries[48].starts_with("  Fire"));
    EXPECT_NE(entries[48].find("   Cardinal"), std::string::npos);
    EXPECT_EQ(entries[51].substr(0, 7), "  Water");
    EXPECT_TRUE(entries[53].starts_with("  Electric (M)"));
    EXPECT_NE(entries[53].find("   Magnetic (F)"), std::string::npos);
    EXPECT_TRUE(entries[55].starts_with("  House"));
    EXPECT_TRUE(entries[66].starts_with("  East/West"));
    EXPECT_EQ(entries[67], "");
    EXPECT_EQ(entries[68], "      Power is listed in upper right section. Harmony is listed in lower left section.");
    EXPECT_EQ(entries[69], "");
    EXPECT_TRUE(entries[71].starts_with("  Sun    **** "));
    EXPECT_TRUE(entries[82].starts_with("  MC   "));
    EXPECT_TRUE(entries[82].ends_with("  **** "));
}

TEST(CosmodynesReport, GridShowsDashesWhereNothingRemains) {
    const ReportLines lines = cosmodynesReport(handChartTables()).report.lines;
    const auto mars = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("  Mar  "); });
    ASSERT_NE(mars, lines.end());
    // Venus's and Mars's natures cancel in Mars's net with Venus.
    EXPECT_EQ(mars->substr(7 + 2 * 7, 7), "  ---- ");
    EXPECT_EQ(mars->substr(7 + 3 * 7, 7), "  **** ");
}

}  // namespace
}  // namespace helion
