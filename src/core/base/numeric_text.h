#pragma once

#include <string_view>

namespace helion {

// The numeric value of a text as input boxes read it: leading blanks skipped, the
// longest prefix that reads as a decimal number (sign, digits, one point, exponent)
// taken, anything else gives 0. "12abc" is 12, "abc" is 0, "-.5" is -0.5.
double numericValue(std::string_view text);

}  // namespace helion
