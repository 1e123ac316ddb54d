#include "core/base/numeric_text.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace helion {

double numericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    auto digit = [&](std::size_t k) { return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])); };

    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (digit(i)) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digit(i)) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (digit(k)) {
            while (digit(k)) ++k;
            end = k;
        }
    }
    const std::string number(text.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace helion
