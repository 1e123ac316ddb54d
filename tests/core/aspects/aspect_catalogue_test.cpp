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

class AspectCatalogue : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(AspectCatalogue, GivesNameAngleGlyphAndOrbEntry) {
    const auto& row = GetParam();
    EXPECT_EQ(aspectName(row.code), row.name);
    EXPECT_EQ(aspectAngle(row.code), row.angle);
    EXPECT_EQ(aspectGlyph(row.code), row.glyph);
    EXPECT_EQ(orbEntry(row.code), row.code - 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, AspectCatalogue,
    ::testing::Values(CatalogueRow{aspect::None, "            ", 0, 0},
                      CatalogueRow{aspect::Conjunct, "Conjunct    ", 0, 161},
                      CatalogueRow{aspect::Sextile, "Sextile     ", 60, 162},
                      CatalogueRow{aspect::Square, "Square      ", 90, 163},
                      CatalogueRow{aspect::Trine, "Trine       ", 120, 164},
                      CatalogueRow{aspect::Opposite, "Opposite    ", 180, 165},
                      CatalogueRow{aspect::Parallel, "PARALLEL    ", 0, 166},
                      CatalogueRow{aspect::SemiSextile, "S.Sextile   ", 30, 167},
                      CatalogueRow{aspect::SemiSquare, "S.Square    ", 45, 168},
                      CatalogueRow{aspect::Sesquisquare, "Ses.Square  ", 135, 169},
                      CatalogueRow{aspect::Quincunx, "Quincunx    ", 150, 170},
                      CatalogueRow{aspect::SemiQuintile, "S.Quintile  ", 36, 171},
                      CatalogueRow{aspect::Nonagen, "Nonagen     ", 40, 172},
                      CatalogueRow{aspect::Quintile, "Quintile    ", 72, 173},
                      CatalogueRow{aspect::Trecile, "Trecile     ", 108, 174},
                      CatalogueRow{aspect::BiQuintile, "BiQuintile  ", 144, 175}));

TEST(AspectCatalogueBounds, CodesOutsideTheCatalogueAreSafe) {
    EXPECT_EQ(aspectName(0), "            ");
    EXPECT_EQ(aspectName(99), "            ");
    EXPECT_EQ(aspectAngle(-3), 0);
    EXPECT_EQ(aspectGlyph(17), 176);
    EXPECT_EQ(aspectGlyph(18), 177);
    EXPECT_EQ(aspectGlyph(19), 0);
}

TEST(AspectCatalogueBounds, MinorAspectsAreTheQuintileFamilyAndNonagen) {
    for (int code = aspect::None; code <= aspect::BiQuintile; ++code)
        EXPECT_EQ(isMinorAspect(code), code >= aspect::SemiQuintile) << code;
    EXPECT_TRUE(isDeclinationAspect(aspect::Parallel));
    EXPECT_FALSE(isDeclinationAspect(aspect::Conjunct));
}

}  // namespace
}  // namespace helion
