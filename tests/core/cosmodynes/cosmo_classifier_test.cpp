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
        std::optional<Aspect> aspect;
        const char* what;
    };
    for (const Row& row : {Row{130.0, angular, Aspect::Trine, "130 is still a trine"},
                           Row{130.5, angular, Aspect::Sesquisquare, "beyond 130 only a sesquiquadrate"},
                           Row{130.5, oneDegree, std::nullopt, "neither with narrow orbs"},
                           Row{37.5, wide, Aspect::SemiSextile, "overlap: semi-sextile before semi-square"},
                           Row{53.0, wide, Aspect::SemiSquare, "overlap: semi-square before sextile"},
                           Row{168.0, angular, Aspect::Opposite, "opposition at the edge of its orb"},
                           Row{1.0, oneDegree, Aspect::Conjunct, "bounds included"},
                           Row{31.0, oneDegree, Aspect::SemiSextile, "31 degrees"},
                           Row{31.01, oneDegree, std::nullopt, "just outside"}}) {
        const auto found = classifyCosmoAspect(row.separation, row.orbs);
        EXPECT_EQ(found ? std::optional(found->aspect) : std::nullopt, row.aspect) << row.what;
    }
}

}  // namespace
}  // namespace helion::cosmo
