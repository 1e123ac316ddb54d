#include "core/aspects/classifier.h"

#include <gtest/gtest.h>

#include <array>

namespace helion {
namespace {

TEST(ClassifyReportAspect, OneDegreeOrbsWithRoundedDistance) {
    const struct {
        double separation;
        int code;
        double distance;
    } rows[] = {
        {61.0, code::Sextile, 1.0},         {59.0, code::Sextile, -1.0},   // bounds are inclusive
        {61.01, code::None, 61.01},         {178.99, code::None, 178.99},  // no aspect keeps the separation
        {179.0, code::Opposite, -1.0},      {180.0, code::Opposite, 0.0},
        {0.96, code::Conjunct, 1.0},  // floor((0.96 + 0.05) * 10) / 10
        {0.94, code::Conjunct, 0.9},        {1.0, code::Conjunct, 1.0},
        {1.01, code::None, 1.01},           {45.5, code::SemiSquare, 0.5},
        {134.04, code::Sesquisquare, -1.0},                            // -0.96 rounds down to -1.0
        {150.3, code::Quincunx, 0.3},       {36.0, code::None, 36.0},  // no minor aspects
    };
    for (const auto& row : rows) {
        const AspectFinding finding = classifyReportAspect(row.separation);
        EXPECT_EQ(finding.code, row.code) << row.separation;
        EXPECT_DOUBLE_EQ(finding.distance, row.distance) << row.separation;
    }
}

std::array<float, 17> orbsOf(std::initializer_list<std::pair<int, float>> entries) {
    std::array<float, 17> orbs{};
    for (const auto& [entry, orb] : entries) orbs[static_cast<std::size_t>(entry)] = orb;
    return orbs;
}

TEST(ClassifyWithOrbs, KindsBoundsAndOrder) {
    const auto wide = orbsOf({{1, 10.0f}, {7, 8.0f}, {8, 8.0f}});
    const auto minor = orbsOf({{11, 1.0f}, {13, 2.0f}, {15, 1.0f}});
    const auto sextile = orbsOf({{2, 0.1f}});
    const auto nonagenTrecile = orbsOf({{12, 2.0f}, {14, 2.0f}});
    const auto opposition = orbsOf({{5, 2.0f}});
    const std::array<float, 2> onlyConjunction{0.0f, 3.0f};  // entries beyond a short set count as 0
    const struct {
        const char* what;
        OrbSet orbs;
        bool minorAspects;
        double separation;
        int code;
    } rows[] = {
        {"later kind wins where orbs overlap", wide, false, 37.5, code::SemiSquare},
        {"conjunction tested last", wide, false, 9.5, code::Conjunct},
        {"conjunction at exactly its orb", wide, false, 10.0, code::Conjunct},
        {"nonagen", nonagenTrecile, true, 41.5, code::Nonagen},
        {"trecile", nonagenTrecile, true, 106.5, code::Trecile},
        {"minor aspects off", minor, false, 36.5, code::None},
        {"minor aspects on", minor, true, 36.5, code::SemiQuintile},
        {"quintile", minor, true, 74.0, code::Quintile},
        {"bi-quintile", minor, true, 144.5, code::BiQuintile},
        // Above 60 + 0.1f in double, but equal to the single-precision bound once rounded.
        {"single precision bound", sextile, false, 60.1000002, code::Sextile},
        {"beyond single precision bound", sextile, false, 60.1000005, code::None},
        {"opposition exact", opposition, false, 180.0, code::Opposite},
        {"opposition has no upper bound", opposition, false, 178.0, code::Opposite},
        {"short set conjunction", onlyConjunction, true, 2.0, code::Conjunct},
        {"short set exact sextile", onlyConjunction, true, 60.0, code::Sextile},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(classifyWithOrbs(row.separation, row.orbs, row.minorAspects).code, row.code) << row.what;
    }
    ASSERT_GT(60.1000002, 60.0 + static_cast<double>(0.1f));
    EXPECT_DOUBLE_EQ(classifyWithOrbs(37.5, wide, false).distance, -7.5);
    EXPECT_DOUBLE_EQ(classifyWithOrbs(9.5, wide, false).distance, 9.5);
}

TEST(FindParallel, ParallelAndContraparallel) {
    const auto contra = findParallel(23.0, -22.5, 1.0f);
    ASSERT_TRUE(contra.has_value());
    EXPECT_TRUE(contra->contra);
    EXPECT_DOUBLE_EQ(contra->difference, 0.5);
    EXPECT_FALSE(findParallel(0.0, 0.3, 1.0f).value().contra);   // zero is north
    EXPECT_TRUE(findParallel(-0.0, -0.3, 1.0f).value().contra);  // a negative zero is north too
    EXPECT_TRUE(findParallel(-10.0, -11.0, 1.0f).has_value());   // orb bound included
    EXPECT_FALSE(findParallel(10.0, 11.01, 1.0f).has_value());
}

}  // namespace
}  // namespace helion
