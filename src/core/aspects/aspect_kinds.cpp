#include "core/aspects/aspect_kinds.h"

#include <algorithm>
#include <array>

namespace helion {

namespace {

struct AspectDef {
    std::string_view name;
    int angle;
};

// Indexed by aspect code; slot 0 is unused.
inline constexpr std::array<AspectDef, code::kLastCode + 1> kAspects{{
    {"            ", 0},
    {"            ", 0},
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

static_assert(std::ranges::all_of(kAspects, [](const AspectDef& a) { return a.name.size() == 12; }));

constexpr bool isAspectCode(int code) { return code >= code::kFirstCode && code <= code::kLastCode; }

constexpr int kGlyphBase = 159;

}  // namespace

std::string_view aspectName(int code) { return kAspects[isAspectCode(code) ? code : code::None].name; }

int aspectAngle(int code) { return isAspectCode(code) ? kAspects[code].angle : 0; }

int aspectGlyph(int code) { return code >= code::Conjunct && code <= code::kLastGlyphCode ? kGlyphBase + code : 0; }

int orbEntry(int code) { return code - 1; }

bool isDeclinationAspect(int code) { return code == code::Parallel; }

bool isMinorAspect(int code) { return code >= code::kFirstMinor && code <= code::kLastCode; }

}  // namespace helion
