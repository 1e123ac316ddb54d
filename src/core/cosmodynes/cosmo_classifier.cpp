#include "core/cosmodynes/cosmo_classifier.h"

#include <array>
#include <cmath>

#include "core/aspects/aspect_kinds.h"

namespace helion::cosmo {
namespace {

enum class TrineLimit { None, AtMost130, Beyond130 };

struct AspectRule {
    CosmoAspect aspect;
    TrineLimit limit;
};

constexpr std::array<AspectRule, 9> kTestOrder{{
    {{Aspect::Conjunct, 0, 5, 0}, TrineLimit::None},
    {{Aspect::SemiSextile, 30, 1, +1}, TrineLimit::None},
    {{Aspect::SemiSquare, 45, 2, -1}, TrineLimit::None},
    {{Aspect::Sextile, 60, 3, +1}, TrineLimit::None},
    {{Aspect::Square, 90, 4, -1}, TrineLimit::None},
    {{Aspect::Trine, 120, 4, +1}, TrineLimit::AtMost130},
    {{Aspect::Sesquisquare, 135, 2, -1}, TrineLimit::Beyond130},
    {{Aspect::Quincunx, 150, 1, 0}, TrineLimit::None},
    {{Aspect::Opposite, 180, 5, -1}, TrineLimit::None},
}};

bool withinLimit(double separation, TrineLimit limit) {
    switch (limit) {
        case TrineLimit::AtMost130: return separation <= 130.0;
        case TrineLimit::Beyond130: return separation > 130.0;
        case TrineLimit::None: break;
    }
    return true;
}

}  // namespace

std::optional<CosmoAspect> classifyCosmoAspect(double separation, const GroupValues<double>& orbs) {
    for (const AspectRule& rule : kTestOrder) {
        const double orb = orbs[static_cast<std::size_t>(rule.aspect.group - 1)];
        if (withinLimit(separation, rule.limit) && std::abs(separation - rule.aspect.angle) <= orb) return rule.aspect;
    }
    return std::nullopt;
}

}  // namespace helion::cosmo
