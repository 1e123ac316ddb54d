#pragma once
// The title every window caption starts with, and the main window's running clock.

#include <string>
#include <string_view>

#include "core/astro/julian_day.h"

namespace helion {

inline constexpr std::string_view kProgramTitle = "Helion (Tropical zodiac) - ";

// The title, the date as "dd mmm yyyy", five blanks and the time text.
std::string clockCaption(CalendarDate today, std::string_view timeText);

}  // namespace helion
