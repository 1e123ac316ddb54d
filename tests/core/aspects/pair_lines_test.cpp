#include "core/aspects/pair_lines.h"

#include <gtest/gtest.h>

#include "core/astro/chart_tables.h"

namespace helion {
namespace {

constexpr int kVenus = 3;
constexpr int kMars = 4;

struct LineCase {
    double firstLongitude;
    double secondLongitude;
    const char* expected;  // nullptr: no line
};

class PairLineCase : public ::testing::TestWithParam<LineCase> {};

TEST_P(PairLineCase, SignTellsApplyingFromSeparating) {
    const LineCase& c = GetParam();
    const auto line = aspectLine(point::Sun, point::Moon, c.firstLongitude - c.secondLongitude);
    if (c.expected == nullptr) {
        EXPECT_EQ(line, std::nullopt);
    } else {
        EXPECT_EQ(line, std::string("  SUN           Conjunct        MOON      ") + c.expected)
            << c.firstLongitude << " - " << c.secondLongitude;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conjunctions, PairLineCase,
    ::testing::Values(LineCase{10.0, 9.5, "    -0.5 degrees"},    // passed exact
                      LineCase{9.5, 10.0, "     0.5 degrees"},    // not yet reached
                      LineCase{359.8, 0.2, "     0.4 degrees"},   // D = 359.6 folds to 0.4
                      LineCase{0.2, 359.8, "    -0.4 degrees"},   // D = -359.6
                      LineCase{10.0, 10.04, "     0.0 degrees"},
                      LineCase{10.04, 10.0, "     0.0 degrees"},  // rounds to zero: no minus sign
                      LineCase{10.0, 11.5, nullptr}));

TEST(PairLineCase, OtherKindsUseTheirNameField) {
    EXPECT_EQ(aspectLine(kMars, point::Ascendant, 179.0),
              "  MARS          Opposite        ASC            1.0 degrees");
    EXPECT_EQ(aspectLine(kMars, point::Ascendant, -181.0),
              "  MARS          Opposite        ASC            1.0 degrees");
    EXPECT_EQ(aspectLine(point::Sun, point::Sun, -120.4),
              "  SUN           Trine           SUN            0.4 degrees");
}

TEST(ParallelLine, ParallelsAndContraparallels) {
    EXPECT_EQ(parallelLine(kVenus, point::Midheaven, 23.0, -22.5, 1.0f),
              "  VENUS         C.Parallel    MC             0.5 degrees");
    EXPECT_EQ(parallelLine(kVenus, point::Midheaven, 0.0, 0.3, 1.0f),
              "  VENUS         Parallel      MC             0.3 degrees");
    EXPECT_EQ(parallelLine(kVenus, point::Midheaven, 5.0, 6.5, 1.0f), std::nullopt);
}

}  // namespace
}  // namespace helion
