#include "core/aspects/classifier.h"

#include <gtest/gtest.h>

#include <array>

#include "core/aspects/orb_file.h"
#include "core/app/options.h"

namespace helion {
namespace {

struct ReportCase {
    double separation;
    int code;
    double distance;
};

class FixedOrbClassifier : public ::testing::TestWithParam<ReportCase> {};

TEST_P(FixedOrbClassifier, FindsKindAndRoundedDistance) {
    const ReportCase& c = GetParam();
    const AspectFinding finding = classifyReportAspect(c.separation);
    EXPECT_EQ(finding.code, c.code) << c.separation;
    EXPECT_DOUBLE_EQ(finding.distance, c.distance) << c.separation;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, FixedOrbClassifier,
    ::testing::Values(ReportCase{61.0, code::Sextile, 1.0},       // bounds are inclusive
                      ReportCase{59.0, code::Sextile, -1.0},
                      ReportCase{61.01, code::None, 61.01},       // no aspect keeps the separation
                      ReportCase{178.99, code::None, 178.99},
                      ReportCase{179.0, code::Opposite, -1.0},
                      ReportCase{180.0, code::Opposite, 0.0},
                      ReportCase{0.96, code::Conjunct, 1.0},      // floor((0.96 + 0.05) * 10) / 10
                      ReportCase{0.94, code::Conjunct, 0.9},
                      ReportCase{1.01, code::None, 1.01},
                      ReportCase{45.5, code::SemiSquare, 0.5},
                      ReportCase{134.04, code::Sesquisquare, -1.0},  // -0.96 rounds down to -1.0
                      ReportCase{150.3, code::Quincunx, 0.3},
                      ReportCase{36.0, code::None, 36.0}));        // no minor aspects

std::array<float, 17> orbsOf(std::initializer_list<std::pair<int, float>> entries) {
    std::array<float, 17> orbs{};
    for (const auto& [entry, orb] : entries) orbs[static_cast<std::size_t>(entry)] = orb;
    return orbs;
}

TEST(ClassifyWithOrbs, LaterKindWinsWhereOrbsOverlap) {
    const auto orbs = orbsOf({{1, 10.0f}, {7, 8.0f}, {8, 8.0f}});
    const AspectFinding semiSquare = classifyWithOrbs(37.5, orbs, false);
    EXPECT_EQ(semiSquare.code, code::SemiSquare);
    EXPECT_DOUBLE_EQ(semiSquare.distance, -7.5);

    const AspectFinding conjunction = classifyWithOrbs(9.5, orbs, false);  // conjunction tested last
    EXPECT_EQ(conjunction.code, code::Conjunct);
    EXPECT_DOUBLE_EQ(conjunction.distance, 9.5);
}

TEST(ClassifyWithOrbs, MinorAspectsOnlyWhenEnabled) {
    const auto orbs = orbsOf({{11, 1.0f}, {13, 2.0f}});
    EXPECT_EQ(classifyWithOrbs(36.5, orbs, false).code, code::None);
    EXPECT_EQ(classifyWithOrbs(36.5, orbs, true).code, code::SemiQuintile);
    EXPECT_EQ(classifyWithOrbs(74.0, orbs, true).code, code::Quintile);
}

TEST(ClassifyWithOrbs, ComparesInSinglePrecision) {
    const auto orbs = orbsOf({{2, 0.1f}});
    // Above 60 + 0.1f in double, but equal to the single-precision bound once rounded.
    const double justBeyond = 60.1000002;
    ASSERT_GT(justBeyond, 60.0 + static_cast<double>(0.1f));
    EXPECT_EQ(classifyWithOrbs(justBeyond, orbs, false).code, code::Sextile);
    EXPECT_EQ(classifyWithOrbs(60.1000005, orbs, false).code, code::None);
}

TEST(ClassifyWithOrbs, OppositionHasNoUpperBoundAndShortOrbSetsCountAsZero) {
    const auto orbs = orbsOf({{5, 2.0f}});
    EXPECT_EQ(classifyWithOrbs(180.0, orbs, false).code, code::Opposite);
    EXPECT_EQ(classifyWithOrbs(178.0, orbs, false).code, code::Opposite);
    const std::array<float, 2> onlyConjunction{0.0f, 3.0f};
    EXPECT_EQ(classifyWithOrbs(2.0, onlyConjunction, true).code, code::Conjunct);
    EXPECT_EQ(classifyWithOrbs(60.0, onlyConjunction, true).code, code::Sextile);  // exact
}

TEST(ClassifyWithOrbs, TakesReportOrbsAndOrbTablesAlike) {
    OptionValues options;
    options.value[4] = 5.0f;  // trine
    OrbTable table;
    table.orb[4] = 5.0f;
    EXPECT_EQ(classifyWithOrbs(124.0, options.value, false).code, code::Trine);
    EXPECT_EQ(classifyWithOrbs(124.0, table.orb, false).code, code::Trine);
}

TEST(Separation, FoldsIntoHalfACircle) {
    EXPECT_DOUBLE_EQ(separationOf(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(separationOf(350.0, 10.0), 20.0);
    EXPECT_DOUBLE_EQ(separationOf(0.0, 180.0), 180.0);
    EXPECT_NEAR(foldSeparation(359.6), 0.4, 1e-12);
}

TEST(FindParallel, ParallelAndContraparallel) {
    const auto contra = findParallel(23.0, -22.5, 1.0f);
    ASSERT_TRUE(contra.has_value());
    EXPECT_TRUE(contra->contra);
    EXPECT_DOUBLE_EQ(contra->difference, 0.5);

    const auto zeroIsNorth = findParallel(0.0, 0.3, 1.0f);
    ASSERT_TRUE(zeroIsNorth.has_value());
    EXPECT_FALSE(zeroIsNorth->contra);
    EXPECT_TRUE(findParallel(-0.0, -0.3, 1.0f).value().contra);  // a negative zero is north too

    EXPECT_TRUE(findParallel(-10.0, -11.0, 1.0f).has_value());  // orb bound included
    EXPECT_FALSE(findParallel(10.0, 11.01, 1.0f).has_value());
}

}  // namespace
}  // namespace helion
