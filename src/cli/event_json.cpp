#include "cli/event_json.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "core/aspects/aspect_kinds.h"
#include "core/events/event_period.h"

namespace helion::cli {
namespace {

constexpr std::array<std::string_view, 12> kSigns{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                                  "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

nlohmann::ordered_json nameOrNull(std::optional<Point> point) {
    return point ? nlohmann::ordered_json(std::string(pointName(*point))) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json momentOrNull(const std::optional<double>& jd) {
    return jd ? nlohmann::ordered_json(*jd) : nlohmann::ordered_json(nullptr);
}

// The aspects' full names in the order of kAspects, as the orb files name their lines, in
// lower case.
constexpr std::array<std::string_view, 15> kAspectNames{
    "conjunction",  "sextile",  "square",        "trine",   "opposition", "parallel", "semi-sextile", "semi-square",
    "sesquisquare", "quincunx", "semi-quintile", "nonagen", "quintile",   "trecile",  "biquintile"};

nlohmann::ordered_json aspectOrNull(const std::optional<Aspect>& aspect) {
    const auto found = aspect ? std::ranges::find(kAspects, *aspect) : kAspects.end();
    if (found == kAspects.end()) return nullptr;
    return kAspectNames[static_cast<std::size_t>(found - kAspects.begin())];
}

}  // namespace

std::string eventJson(const Event& e, double zoneHours) {
    nlohmann::ordered_json j;
    j["kind"] = eventKindName(e.kind);
    j["moving"] = moverName(e.mover);
    j["body"] = nameOrNull(e.body);
    j["aspect"] = aspectOrNull(e.aspect);
    j["target"] = nameOrNull(e.target);
    j["jd_ut"] = e.jdUt;
    j["pass"] = e.pass > 0 ? nlohmann::ordered_json(e.pass) : nlohmann::ordered_json(nullptr);
    j["enter_jd_ut"] = momentOrNull(e.enterJdUt);
    j["leave_jd_ut"] = momentOrNull(e.leaveJdUt);
    j["longitude"] = e.longitude;
    j["retrograde"] = e.retrograde;
    j["sign"] = e.sign > 0 ? nlohmann::ordered_json(std::string(kSigns[static_cast<std::size_t>(e.sign - 1)]))
                           : nlohmann::ordered_json(nullptr);
    j["house"] = e.house > 0 ? nlohmann::ordered_json(e.house) : nlohmann::ordered_json(nullptr);
    j["local"] = localMomentText(e.jdUt, zoneHours);
    j["detail"] = e.detail.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(e.detail);
    return j.dump();
}

}  // namespace helion::cli
