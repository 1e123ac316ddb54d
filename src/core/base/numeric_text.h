#pragma once
// Numbers read from text, alike under every process locale: the decimal separator is
// always the point, whatever the user's regional settings say.

#include <cstdint>
#include <optional>
#include <string_view>

namespace helion {

// The value of the number a text starts with, as input boxes and option lines read it:
// leading blanks and tabs skipped, the longest prefix that reads as a decimal number
// (sign, digits, one point, exponent) taken, anything else gives 0. "12abc" is 12,
// "abc" is 0, "-.5" is -0.5.
double numericValue(std::string_view text);

// The number that numericValue reads, as written: "8" of " 8,5"; empty when there is none.
std::string_view leadingNumber(std::string_view text);

// Whether the text starts with a number that numericValue reads.
bool startsWithNumber(std::string_view text);

// The number the whole text spells: an optional sign, digits and at most one point,
// nothing else. "5", "-3.5", "+.5" read; "5h", " 5", "1e3" and "" do not.
std::optional<double> exactNumber(std::string_view text);

// A whole number from -32768 to 32767 spelt by the whole text: an optional minus sign
// and digits.
std::optional<std::int16_t> exactShortInteger(std::string_view text);

}  // namespace helion
