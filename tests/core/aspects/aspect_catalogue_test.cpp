#include "core/aspects/aspect_catalogue.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

struct CatalogueRow {
    int code;
    const char* name;
    int angle;
    int glyph;
};

class CatalogueRows : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(CatalogueRows, GivesNameAngleGlyphAndOrbEntry) {
    const auto& row = GetParam();
    EXPECT_EQ(aspectName(row.code), row.name);
    EXPECT_EQ(aspectAngle(row.code), row.angle);
    EXPECT_EQ(aspectGlyph(row.code), row.glyph);
    EXPECT_EQ(orbEntry(row.code), row.code - 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, CatalogueRows,
    ::testing::Values(CatalogueRow{code::None, "            ", 0, 0},
                      CatalogueRow{code::Conjunct, "Conjunct    ", 0, 161},
                      CatalogueRow{code::Sextile, "Sextile     ", 60, 162},
                      CatalogueRow{code::Square, "Square      ", 90, 163},
                      CatalogueRow{code::Trine, "Trine       ", 120, 164},
                      CatalogueRow{code::Opposite, "Opposite    ", 180, 165},
                      CatalogueRow{code::Parallel, "PARALLEL    ", 0, 166},
                      CatalogueRow{code::SemiSextile, "S.Sextile   ", 30, 167},
                      CatalogueRow{code::SemiSquare, "S.Square    ", 45, 168},
                      CatalogueRow{code::Sesquisquare, "Ses.Square  ", 135, 169},
                      CatalogueRow{code::Quincunx, "Quincunx    ", 150, 170},
                      CatalogueRow{code::SemiQuintile, "S.Quintile  ", 36, 171},
                      CatalogueRow{code::Nonagen, "Nonagen     ", 40, 172},
                      CatalogueRow{code::Quintile, "Quintile    ", 72, 173},
                      CatalogueRow{code::Trecile, "Trecile     ", 108, 174},
                      CatalogueRow{code::BiQuintile, "BiQuintile  ", 144, 175}));

TEST(AspectCatalogueBounds, CodesOutsideTheCatalogueAreSafe) {
    EXPECT_EQ(aspectName(0), "            ");
    EXPECT_EQ(aspectName(99), "            ");
    EXPECT_EQ(aspectAngle(-3), 0);
    EXPECT_EQ(aspectGlyph(17), 176);
    EXPECT_EQ(aspectGlyph(18), 177);
    EXPECT_EQ(aspectGlyph(19), 0);
}

TEST(AspectCatalogueBounds, MinorAspectsAreTheQuintileFamilyAndNonagen) {
    for (int code = code::None; code <= code::BiQuintile; ++code)
        EXPECT_EQ(isMinorAspect(code), code >= code::SemiQuintile) << code;
    EXPECT_TRUE(isDeclinationAspect(code::Parallel));
    EXPECT_FALSE(isDeclinationAspect(code::Conjunct));
}

}  // namespace
}  // namespace helion
