#include "cli/wheel_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace helion::cli {
namespace {

using Json = nlohmann::ordered_json;

Json pointOf(WheelPoint p) { return Json::array({p.x, p.y}); }

const char* anchorName(TextAnchor anchor) {
    switch (anchor) {
        case TextAnchor::TopRight: return "top-right";
        case TextAnchor::Centre: return "centre";
        case TextAnchor::TopLeft: break;
    }
    return "top-left";
}

struct PrimitiveJson {
    Json operator()(const CircleShape& c) const {
        return {{"type", "circle"}, {"radius", c.radius}, {"colour", c.colour}};
    }
    Json operator()(const DiscShape& d) const { return {{"type", "disc"}, {"radius", d.radius}, {"colour", d.colour}}; }
    Json operator()(const LineShape& l) const {
        return {{"type", "line"}, {"from", pointOf(l.from)}, {"to", pointOf(l.to)}, {"colour", l.colour}};
    }
    Json operator()(const BoxShape& b) const {
        return {{"type", "box"},
                {"box", Json::array({b.box.left, b.box.bottom, b.box.right, b.box.top})},
                {"colour", b.colour}};
    }
    Json operator()(const TextShape& t) const {
        Json j{{"type", "text"}, {"at", pointOf(t.at)}};
        if (t.glyph != 0)
            j["glyph"] = t.glyph;
        else
            j["text"] = t.text;
        j["size"] = t.fontSize;
        j["colour"] = t.colour;
        j["bold"] = t.bold;
        j["anchor"] = anchorName(t.anchor);
        return j;
    }
};

// A drawn body's longitude and the box of its whole stack, [left, bottom, right, top].
Json ringJson(const RingDrawing& ring, const std::vector<StackEntry>& stacks) {
    Json bodies = Json::array();
    for (const Point p : kAllPoints) {
        const PlacedBody& b = ring.bodies[p];
        Json body{{"point", pointNumber(p)}, {"house", b.house},   {"slot", b.slot ? Json(*b.slot) : Json(nullptr)},
                  {"angle", b.angle},        {"radius", b.radius}, {"drawn", b.drawn}};
        const auto stack =
            std::ranges::find_if(stacks, [&](const StackEntry& s) { return s.ring == ring.ring && s.point == p; });
        if (stack != stacks.end()) {
            body["longitude"] = stack->longitude;
            body["box"] = Json::array({stack->box.left, stack->box.bottom, stack->box.right, stack->box.top});
        }
        bodies.push_back(std::move(body));
    }
    return {{"ring", ring.ring}, {"bodies", std::move(bodies)}};
}

const char* kindName(WheelKind kind) {
    switch (kind) {
        case WheelKind::Dual: return "dual";
        case WheelKind::Triple: return "triple";
        case WheelKind::Single: break;
    }
    return "single";
}

}  // namespace

std::string wheelJson(const WheelDrawing& d) {
    Json rings = Json::array();
    for (const RingDrawing& ring : d.rings) rings.push_back(ringJson(ring, d.stacks));
    Json primitives = Json::array();
    for (const WheelPrimitive& p : d.primitives) primitives.push_back(std::visit(PrimitiveJson{}, p));
    const Json json{
        {"kind", kindName(d.kind)},
        {"chart_type", d.chartType == ChartType::European ? "european" : "american"},
        {"layout", d.layout == WheelLayout::Spread ? "spread" : "classic"},
        {"scale", d.scale},
        {"frame", {{"left", d.frame.left}, {"top", d.frame.top}, {"right", d.frame.right}, {"bottom", d.frame.bottom}}},
        {"background", d.background},
        {"rings", std::move(rings)},
        {"primitives", std::move(primitives)}};
    return json.dump(1) + "\n";
}

}  // namespace helion::cli
