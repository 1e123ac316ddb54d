#include "core/reports/number_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/reports/name_tables.h"

namespace helion {
namespace {

// A double has at most 309 integer and 1074 fraction digits; with this many fraction
// digits the fixed form is the exact value, unrounded.
constexpr int kExactFractionDigits = 1074;
constexpr int kMostIntegerDigits = 309;

struct PatternShape {
    std::size_t minIntegerDigits = 0;  // digits from the leftmost "0" of the integer part
    bool hasPoint = false;
    std::size_t maxDecimals = 0;  // every place after the point
    std::size_t minDecimals = 0;  // up to the rightmost "0" after the point
};

PatternShape shapeOf(std::string_view pattern) {
    PatternShape shape;
    const std::size_t point = pattern.find('.');
    shape.hasPoint = point != std::string_view::npos;
    const std::string_view integerPart = pattern.substr(0, point);
    const std::string_view fraction = shape.hasPoint ? pattern.substr(point + 1) : std::string_view{};
    const std::size_t firstZero = integerPart.find('0');
    shape.minIntegerDigits = firstZero == std::string_view::npos ? 0 : integerPart.size() - firstZero;
    shape.maxDecimals = std::min<std::size_t>(fraction.size(), kExactFractionDigits - 1);
    const std::size_t lastZero = fraction.rfind('0');
    shape.minDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    return shape;
}

// The digits of a non-negative finite value rounded half away from zero to `decimals`
// places, as one digit string whose last `decimals` digits are the fraction.
std::string roundedDigits(double magnitude, std::size_t decimals) {
    std::array<char, kMostIntegerDigits + 1 + kExactFractionDigits> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed,
                                      kExactFractionDigits);
    const std::string_view exact(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
    const std::size_t point = exact.find('.');

    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1, decimals);
    if (exact[point + 1 + decimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return digits;
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");

    const PatternShape shape = shapeOf(pattern);
    const std::string digits = roundedDigits(std::fabs(value), shape.maxDecimals);
    std::string_view integerDigits(digits.data(), digits.size() - shape.maxDecimals);
    std::string_view fractionDigits(digits.data() + integerDigits.size(), shape.maxDecimals);

    while (integerDigits.size() > shape.minIntegerDigits && integerDigits.front() == '0')
        integerDigits.remove_prefix(1);
    while (fractionDigits.size() > shape.minDecimals && fractionDigits.back() == '0') fractionDigits.remove_suffix(1);

    const bool roundsToZero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = value < 0 && !roundsToZero ? "-" : "";
    if (integerDigits.size() < shape.minIntegerDigits) text.append(shape.minIntegerDigits - integerDigits.size(), '0');
    text += integerDigits;
    if (shape.hasPoint) text += '.';
    text += fractionDigits;
    return text;
}

std::string formatDate(CalendarDate date) {
    std::string month(monthAbbreviation(date.month));
    for (std::size_t i = 1; i < month.size(); ++i)
        month[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(month[i])));
    return formatNumber(date.day, "00") + " " + month + " " + formatNumber(date.year, "0000");
}

}  // namespace helion
