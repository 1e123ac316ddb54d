#pragma once
// One event of the timeline: an exact aspect, a station, an ingress, a lunation or an
// eclipse, at its moment in Universal Time.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/astro/points.h"
#include "core/config/aspect_orbs.h"

namespace helion {

enum class EventKind { Aspect, Station, SignIngress, HouseIngress, NewMoon, FullMoon, SolarEclipse, LunarEclipse };

// What moves: the sky of the moment, the day-for-a-year progressed chart, or the natal
// bodies carried on by the progressed Sun's arc.
enum class Mover { Transit, Progressed, SolarArc };

inline constexpr std::array<std::string_view, 8> kEventKindNames{
    "aspect", "station", "sign_ingress", "house_ingress", "new_moon", "full_moon", "solar_eclipse", "lunar_eclipse"};
inline constexpr std::array<std::string_view, 3> kMoverNames{"transit", "progressed", "solar_arc"};

// The names of the points in the timeline's texts, in table order.
inline constexpr PointArray<std::string_view> kPointNames{{"Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                                                           "Uranus", "Neptune", "Pluto", "Moon", "North Node",
                                                           "South Node", "Part of Fortune", "Ascendant", "Midheaven"}};

constexpr std::string_view pointName(Point point) { return kPointNames[point]; }

constexpr std::string_view eventKindName(EventKind kind) { return kEventKindNames[static_cast<std::size_t>(kind)]; }
constexpr std::string_view moverName(Mover mover) { return kMoverNames[static_cast<std::size_t>(mover)]; }

struct Event {
    EventKind kind = EventKind::Aspect;
    Mover mover = Mover::Transit;
    Point body = Point::Sun;  // the moving body
    std::optional<Aspect> aspect;
    std::optional<Point> target;  // the natal point aspected
    double jdUt = 0.0;
    // The hits of one aspect one after another without the body running a whole circle
    // between them (a retrograde loop makes three) count 1, 2, 3; 0 where none.
    int pass = 0;
    std::optional<double> enterJdUt;  // the orb period around the hit; empty beyond the search
    std::optional<double> leaveJdUt;
    double longitude = 0.0;  // of the moving body, degrees
    bool retrograde = false;
    int sign = 0;        // 1 Aries .. 12 Pisces: the moving body's sign (the one entered at an ingress)
    int house = 0;       // the natal house of the moving body (the one entered at an ingress)
    std::string detail;  // eclipse kind, station direction, natal points near a lunation
};

}  // namespace helion
