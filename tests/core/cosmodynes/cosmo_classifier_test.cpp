#include "core/cosmodynes/cosmo_classifier.h"

#include <gtest/gtest.h>

#include "core/aspects/catalogue.h"

namespace helion::cosmo {
namespace {

constexpr GroupValues<double> kAngularOrbs{3, 5, 7, 10, 12};
constexpr GroupValues<double> kWideOrbs{8, 8, 8, 10, 15};
constexpr GroupValues<double> kOneDegree{1, 1, 1, 1, 1};

struct ClassifyCase {
    double separation;
    GroupValues<double> orbs;
    int code;  // code::None when nothing is found
    const char* what;
};

class CosmoClassifier : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(CosmoClassifier, FirstRangeInTestOrderWins) {
    const auto& c = GetParam();
    const auto found = classifyCosmoAspect(c.separation, c.orbs);
    EXPECT_EQ(found ? found->code : code::None, c.code) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CosmoClassifier,
    ::testing::Values(ClassifyCase{0.0, kAngularOrbs, code::Conjunct, "same longitude"},
                      ClassifyCase{130.0, kAngularOrbs, code::Trine, "130 is still a trine"},
                      ClassifyCase{130.5, kAngularOrbs, code::Sesquisquare, "beyond 130 only a sesquiquadrate"},
                      ClassifyCase{130.5, kOneDegree, code::None, "neither with narrow orbs"},
                      ClassifyCase{37.5, kWideOrbs, code::SemiSextile, "overlap: semi-sextile before semi-square"},
                      ClassifyCase{53.0, kWideOrbs, code::SemiSquare, "overlap: semi-square before sextile"},
                      ClassifyCase{168.0, kAngularOrbs, code::Opposite, "opposition at the edge of its orb"},
                      ClassifyCase{1.0, kOneDegree, code::Conjunct, "one degree is a conjunction"},
                      ClassifyCase{29.0, kOneDegree, code::SemiSextile, "29 degrees"},
                      ClassifyCase{31.0, kOneDegree, code::SemiSextile, "31 degrees"},
                      ClassifyCase{31.01, kOneDegree, code::None, "just outside"},
                      ClassifyCase{179.0, kOneDegree, code::Opposite, "179 degrees"}));

TEST(CosmoClassifier, CarriesAngleGroupAndNature) {
    const auto trine = classifyCosmoAspect(121.0, kOneDegree);
    ASSERT_TRUE(trine);
    EXPECT_EQ(trine->angle, 120.0);
    EXPECT_EQ(trine->group, 4);
    EXPECT_EQ(trine->nature, +1);
    const auto quincunx = classifyCosmoAspect(150.0, kOneDegree);
    ASSERT_TRUE(quincunx);
    EXPECT_EQ(quincunx->group, 1);
    EXPECT_EQ(quincunx->nature, 0);
}

}  // namespace
}  // namespace helion::cosmo
