#include "core/aspects/classifier.h"

#include <gtest/gtest.h>

#include <array>

namespace helion {
namespace {

TEST(ClassifyReportAspect, OneDegreeOrbsWithRoundedDistance) {
    const struct {
        double separation;
        std::optional<Aspect> aspect;
        double distance;
    } rows[] = {
        {61.0, Aspect::Sextile, 1.0},         {59.0, Aspect::Sextile, -1.0},   // bounds are inclusive
        {61.01, std::nullopt, 61.01},         {178.99, std::nullopt, 178.99},  // no aspect keeps the separation
        {0.96, Aspect::Conjunct, 1.0},                                         // floor((0.96 + 0.05) * 10) / 10
        {0.94, Aspect::Conjunct, 0.9},        {45.5, Aspect::SemiSquare, 0.5},
        {134.04, Aspect::Sesquisquare, -1.0},  // -0.96 rounds down to -1.0
        {36.0, std::nullopt, 36.0},            // no minor aspects
    };
    for (const auto& row : rows) {
        const AspectFinding finding = classifyReportAspect(row.separation);
        EXPECT_EQ(finding.aspect, row.aspect) << row.separation;
        EXPECT_DOUBLE_EQ(finding.distance, row.distance) << row.separation;
    }
}

std::array<float, 17> orbsOf(std::initializer_list<std::pair<Aspect, float>> entries) {
    std::array<float, 17> orbs{};
    for (const auto& [aspect, orb] : entries) orbs[orbEntry(aspect)] = orb;
    return orbs;
}

TEST(ClassifyWithOrbs, KindsBoundsAndOrder) {
    const auto wide = orbsOf({{Aspect::Conjunct, 10.0f}, {Aspect::SemiSextile, 8.0f}, {Aspect::SemiSquare, 8.0f}});
    const auto minor = orbsOf({{Aspect::SemiQuintile, 1.0f}, {Aspect::Quintile, 2.0f}, {Aspect::BiQuintile, 1.0f}});
    const auto sextile = orbsOf({{Aspect::Sextile, 0.1f}});
    const auto nonagenTrecile = orbsOf({{Aspect::Nonagen, 2.0f}, {Aspect::Trecile, 2.0f}});
    const auto opposition = orbsOf({{Aspect::Opposite, 2.0f}});
    const std::array<float, 2> onlyConjunction{0.0f, 3.0f};  // entries beyond a short set count as 0
    const struct {
        const char* what;
        std::span<const float> orbs;
        bool minorAspects;
        double separation;
        std::optional<Aspect> aspect;
    } rows[] = {
        {"later kind wins where orbs overlap", wide, false, 37.5, Aspect::SemiSquare},
        {"conjunction tested last", wide, false, 9.5, Aspect::Conjunct},
        {"nonagen", nonagenTrecile, true, 41.5, Aspect::Nonagen},
        {"minor aspects off", minor, false, 36.5, std::nullopt},
        {"minor aspects on", minor, true, 36.5, Aspect::SemiQuintile},
        // Above 60 + 0.1f in double, but equal to the single-precision bound once rounded.
        {"single precision bound", sextile, false, 60.1000002, Aspect::Sextile},
        {"beyond single precision bound", sextile, false, 60.1000005, std::nullopt},
        {"opposition has no upper bound", opposition, false, 178.0, Aspect::Opposite},
        {"short set conjunction", onlyConjunction, true, 2.0, Aspect::Conjunct},
        {"short set exact sextile", onlyConjunction, true, 60.0, Aspect::Sextile},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(classifyWithOrbs(row.separation, OrbSet(row.orbs), row.minorAspects).aspect, row.aspect) << row.what;
    }
    ASSERT_GT(60.1000002, 60.0 + static_cast<double>(0.1f));
    EXPECT_DOUBLE_EQ(classifyWithOrbs(37.5, OrbSet(wide), false).distance, -7.5);
    EXPECT_DOUBLE_EQ(classifyWithOrbs(9.5, OrbSet(wide), false).distance, 9.5);
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
