#include "core/cosmodynes/cosmo_classifier.h"

#include <gtest/gtest.h>

#include "core/aspects/aspect_kinds.h"

namespace helion::cosmo {
namespace {

TEST(CosmoClassifier, FirstRangeInTestOrderWins) {
    constexpr GroupValues<double> angular{3, 5, 7, 10, 12}, wide{8, 8, 8, 10, 15}, oneDegree{1, 1, 1, 1, 1};
    struct Row {
        double separation;
        GroupValues<double> orbs;
        int code;  // code::None when nothing is found
        const char* what;
    };
    for (const Row& row :
         {Row{0.0, angular, code::Conjunct, "same longitude"}, Row{130.0, angular, code::Trine, "130 is still a trine"},
          Row{130.5, angular, code::Sesquisquare, "beyond 130 only a sesquiquadrate"},
          Row{130.5, oneDegree, code::None, "neither with narrow orbs"},
          Row{37.5, wide, code::SemiSextile, "overlap: semi-sextile before semi-square"},
          Row{53.0, wide, code::SemiSquare, "overlap: semi-square before sextile"},
          Row{168.0, angular, code::Opposite, "opposition at the edge of its orb"},
          Row{1.0, oneDegree, code::Conjunct, "bounds included"}, Row{29.0, oneDegree, code::SemiSextile, "29 degrees"},
          Row{31.0, oneDegree, code::SemiSextile, "31 degrees"}, Row{31.01, oneDegree, code::None, "just outside"},
          Row{179.0, oneDegree, code::Opposite, "179 degrees"}}) {
        const auto found = classifyCosmoAspect(row.separation, row.orbs);
        EXPECT_EQ(found ? found->code : code::None, row.code) << row.what;
    }
}

}  // namespace
}  // namespace helion::cosmo
