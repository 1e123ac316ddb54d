#include "core/wheels/stack_description.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/aspects/aspect_kinds.h"
#include "core/aspects/classifier.h"
#include "core/astro/angles.h"
#include "core/reports/point_names.h"
#include "core/wheels/wheel_input_adapter.h"

namespace helion {
namespace {

constexpr std::array<std::string_view, 12> kSignNames{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                      "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                      "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Whole degrees, minutes and (when asked) seconds of a non-negative angle, rounded to the
// last unit shown.
std::string degreesMinutes(double degrees, bool withSeconds) {
    const long units = std::lround(degrees * (withSeconds ? 3600.0 : 60.0));
    const long perDegree = withSeconds ? 3600 : 60;
    std::array<char, 32> text{};
    if (withSeconds) {
        std::snprintf(text.data(), text.size(), "%ld°%02ld'%02ld\"", units / perDegree, units % 3600 / 60, units % 60);
    } else {
        std::snprintf(text.data(), text.size(), "%ld°%02ld'", units / 60, units % 60);
    }
    return text.data();
}

std::string nameOf(Point point) {
    std::string name(pointFullName(point));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::string aspectNameOf(Aspect aspect) {
    std::string name(aspectName(aspect));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

}  // namespace

std::string stackDescription(const StackFacts& facts, const AspectListInput* list, bool fromNatal) {
    // Seconds are counted over the whole zodiac so that 29°59'59.8" rounds into the next sign.
    const long seconds = std::lround(normalize360(facts.longitude) * 3600.0) % (360L * 3600L);
    const long sign = seconds / (30L * 3600L);
    std::string text = nameOf(facts.point) + " " +
                       degreesMinutes(static_cast<double>(seconds % (30L * 3600L)) / 3600.0, true) + " " +
                       std::string(kSignNames[static_cast<std::size_t>(sign)]) + "\n";
    text += std::string(facts.retrograde ? "Retrograde" : "Direct") + ", declination " +
            (facts.declination < 0.0 ? "-" : "+") + degreesMinutes(std::fabs(facts.declination), false) + "\n";
    text += "House " + std::to_string(facts.house);
    if (!list) return text;
    const AspectListInput& aspects = *list;
    const AspectListChart& own = fromNatal ? aspects.natal : aspects.second;
    const AspectListChart& other = fromNatal ? aspects.second : aspects.natal;
    for (const Point body : kListedBodies) {
        if (aspects.singleChart && body == facts.point) continue;
        const auto aspect = fromNatal ? wheelAspectBetween(own, facts.point, other, body, aspects.orbs)
                                      : wheelAspectBetween(other, body, own, facts.point, aspects.orbs);
        if (!aspect) continue;
        const double separation = separationOf(own.longitude[facts.point], other.longitude[body]);
        const double orb = std::fabs(separation - aspectAngle(*aspect));
        text += "\n" + aspectNameOf(*aspect) + " " + nameOf(body) + ", orb " + degreesMinutes(orb, false);
    }
    return text;
}

std::string describeStack(const StackEntry& stack, const WheelDrawing& drawing, const WheelArrangement& arrangement,
                          const ChartTables& charts, const OrbTable& orbs) {
    const bool tripleInner = stack.ring == ring::Inner && arrangement.kind == WheelKind::Triple;
    const std::optional<ChartSetId> id = stack.ring == ring::Natal ? std::optional(arrangement.natalRing)
                                         : tripleInner             ? arrangement.thirdRing
                                                                   : arrangement.secondRing;
    const auto ring = std::ranges::find(drawing.rings, stack.ring, &RingDrawing::ring);
    if (!id || ring == drawing.rings.end()) return {};
    const ChartPositions& positions = chartSet(charts, *id);
    const Point at = stack.point;
    const StackFacts facts{at, positions.longitude[at], positions.declination[at], positions.retrograde[at],
                           ring->bodies[at].house};
    const AspectListInput aspects = aspectListInputFor(arrangement, charts, orbs);
    const bool listed = arrangement.kind != WheelKind::Triple || *id == arrangement.houseChart;
    return stackDescription(facts, listed ? &aspects : nullptr, *id == arrangement.houseChart);
}

}  // namespace helion
