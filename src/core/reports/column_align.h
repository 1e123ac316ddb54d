#pragma once
// Right-alignment of numbers already formatted as text, by their value, so that their
// digits line up in a report column.

#include <string>

namespace helion {

// One leading blank below 10: width 2 for 0..99.
std::string alignTwoPlaces(const std::string& number);

// Two leading blanks below 10, one below 100: width 3 for 0..999.
std::string alignThreePlaces(const std::string& number);

// Width 4 for -999..9999 with or without a minus sign: -5 gets two blanks, 5 three,
// 123 one.
std::string alignSignedFourPlaces(const std::string& number);

}  // namespace helion
