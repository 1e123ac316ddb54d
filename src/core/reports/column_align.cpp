#include "core/reports/column_align.h"

#include "core/base/numeric_text.h"

namespace helion {
namespace {

std::string padded(std::size_t blanks, const std::string& number) { return std::string(blanks, ' ') + number; }

}  // namespace

std::string alignTwoPlaces(const std::string& number) { return padded(numericValue(number) < 10.0 ? 1 : 0, number); }

std::string alignThreePlaces(const std::string& number) {
    const double v = numericValue(number);
    return padded(v < 10.0 ? 2 : v < 100.0 ? 1 : 0, number);
}

std::string alignSignedFourPlaces(const std::string& number) {
    const double v = numericValue(number);
    if (v >= 100.0) return padded(1, number);
    if (v >= 10.0) return padded(2, number);
    // "-0,4" (a decimal comma) reads as zero but is printed like a negative number.
    if (v >= 0.0) return padded(number.starts_with('-') ? 2 : 3, number);
    if (v > -10.0) return padded(2, number);
    if (v > -100.0) return padded(1, number);
    return number;
}

}  // namespace helion
