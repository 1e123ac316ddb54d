#include "core/base/numeric_text.h"

#include <charconv>
#include <cmath>

namespace helion {
namespace {

bool isDigitAt(std::string_view text, std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; }

// The leading decimal number of a text that starts with its sign or first digit or
// point; empty when there is none.
std::string_view numberPrefix(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (isDigitAt(text, i)) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (isDigitAt(text, i)) ++i, ++digits;
    }
    if (digits == 0) return {};
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (isDigitAt(text, k)) {
            while (isDigitAt(text, k)) ++k;
            end = k;
        }
    }
    return text.substr(0, end);
}

// A decimal number already checked for its form. Beyond the range of a double it is
// infinite, below the smallest one it is zero, as strtod gives them.
double decimalValue(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '+' || negative)) number.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tiny = number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace

double numericValue(std::string_view text) {
    const std::string_view number = numberPrefix(withoutLeadingBlanks(text));
    return number.empty() ? 0.0 : decimalValue(number);
}

bool startsWithNumber(std::string_view text) { return !numberPrefix(withoutLeadingBlanks(text)).empty(); }

std::optional<double> exactNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigitAt(text, i))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return decimalValue(text);
}

std::optional<std::int16_t> exactShortInteger(std::string_view text) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace helion
