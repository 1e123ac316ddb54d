#pragma once
// Numbers and dates printed into fixed-width report columns.
//
// A number pattern is made of digit places and at most one decimal point: "0" always
// prints a digit, "#" prints one only where it is significant. "##0.00" prints 5.5 as
// "5.50", "0.0" prints 12.34 as "12.3" (an integer part never loses digits), "##.#0"
// prints 0.05 as ".05". Values round half away from zero, judged on the exact binary
// value of the double: 0.125 prints "0.13", but 2.675 (stored as 2.67499...) prints
// "2.67". A value that rounds to zero prints without a minus sign.

#include <string>
#include <string_view>

#include "core/astro/julian_day.h"

namespace helion {

std::string formatNumber(double value, std::string_view pattern);

// "dd mmm yyyy": two-digit day, month written "Jan", "Feb", ..., four-digit year, as in
// "07 Mar 1952". A month outside 1..12 prints as three blanks.
std::string formatDate(CalendarDate date);

}  // namespace helion
