#include "core/cosmodynes/cosmo_number_fill.h"

#include "core/base/numeric_text.h"
#include "core/reports/column_align.h"
#include "core/reports/number_format.h"

namespace helion {

std::string pad7(double value) { return alignSignedFourPlaces(formatNumber(value, "###0.00")); }

std::string pad7Text(const std::string& text) { return alignSignedFourPlaces(text); }

std::string pad4(double value) { return alignTwoPlaces(formatNumber(value, "#0.0")); }

std::string pad4Number(int number) { return alignTwoPlaces(" " + std::to_string(number)); }

std::string pad6(double value) {
    const std::string text = formatNumber(value, "#0.00");
    const double v = numericValue(text);
    std::size_t blanks = 0;
    if (v >= 10.0)
        blanks = 1;
    else if (v >= 0.0)
        blanks = 2;
    else if (v > -10.0)
        blanks = 1;
    return std::string(blanks, ' ') + text;
}

double percentOf(double value, double total) { return total == 0.0 ? 0.0 : value * 100.0 / total; }

}  // namespace helion
