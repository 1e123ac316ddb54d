#pragma once
// The kinds of event a timeline search looks for.

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace helion {

enum class EventChoice { Transits, Moon, Stations, Ingresses, Houses, Lunations, Eclipses, Progressions, SolarArc };

inline constexpr std::size_t kEventChoiceCount = 9;
inline constexpr std::array<std::string_view, kEventChoiceCount> kEventChoiceNames{
    "transits", "moon", "stations", "ingresses", "houses", "lunations", "eclipses", "progressions", "solar-arc"};

class EventChoices {
public:
    bool has(EventChoice c) const { return bits_.test(static_cast<std::size_t>(c)); }
    void set(EventChoice c, bool on = true) { bits_.set(static_cast<std::size_t>(c), on); }
    bool none() const { return bits_.none(); }

    // Every kind but the Moon's transits, which make hundreds of events a year.
    static EventChoices usual();

private:
    std::bitset<kEventChoiceCount> bits_;
};

// "transits,moon,stations": the names joined by commas; empty on an unknown name.
std::optional<EventChoices> parseEventChoices(std::string_view names);
std::string eventChoicesText(const EventChoices& choices);

}  // namespace helion
