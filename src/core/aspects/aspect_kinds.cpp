#include "core/aspects/aspect_kinds.h"

#include <algorithm>
#include <array>

namespace helion {

namespace {

struct AspectDef {
    std::string_view name;
    int angle;
};

// In the order of kAspects.
inline constexpr std::array<AspectDef, kAspects.size()> kDefinitions{{
    {"Conjunct    ", 0},
    {"Sextile     ", 60},
    {"Square      ", 90},
    {"Trine       ", 120},
    {"Opposite    ", 180},
    {"PARALLEL    ", 0},
    {"S.Sextile   ", 30},
    {"S.Square    ", 45},
    {"Ses.Square  ", 135},
    {"Quincunx    ", 150},
    {"S.Quintile  ", 36},
    {"Nonagen     ", 40},
    {"Quintile    ", 72},
    {"Trecile     ", 108},
    {"BiQuintile  ", 144},
}};

static_assert(std::ranges::all_of(kDefinitions, [](const AspectDef& a) { return a.name.size() == 12; }));

const AspectDef& definitionOf(Aspect aspect) {
    const Aspect named = aspect == Aspect::ContraParallel ? Aspect::Parallel : aspect;
    return kDefinitions[static_cast<std::size_t>(aspectCode(named) - aspectCode(Aspect::Conjunct))];
}

// The glyph font draws aspect code c as character 159 + c.
constexpr int kGlyphBase = 159;

}  // namespace

std::string_view aspectName(Aspect aspect) { return definitionOf(aspect).name; }

int aspectAngle(Aspect aspect) { return definitionOf(aspect).angle; }

int aspectGlyph(Aspect aspect) { return kGlyphBase + aspectCode(aspect); }

bool isDeclinationAspect(Aspect aspect) { return aspect == Aspect::Parallel || aspect == Aspect::ContraParallel; }

bool isMinorAspect(Aspect aspect) { return aspect >= Aspect::SemiQuintile && aspect <= Aspect::BiQuintile; }

}  // namespace helion
