#include "core/reports/print_layout.h"

#include <algorithm>
#include <cmath>

#include "core/base/text_file.h"

namespace helion {

int printFontPoints(const std::vector<std::string>& lines, const OptionValues& options) {
    const double width = options.printLineWidth();
    const bool wide = std::ranges::any_of(
        lines, [width](const std::string& line) { return static_cast<double>(line.size()) > width; });
    return wide ? 10 : 12;
}

std::vector<std::string> printLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text)) lines.emplace_back(line);
    return lines;
}

std::vector<std::vector<std::string>> paginate(const std::vector<std::string>& lines, const OptionValues& options,
                                               int linesFittingOnPaper) {
    const double asked = std::floor(options.printPageLength());
    const int fitting = std::max(1, linesFittingOnPaper);
    const int perPage = asked >= 1.0 && asked < fitting ? static_cast<int>(asked) : fitting;
    std::vector<std::vector<std::string>> pages;
    for (std::size_t first = 0; first < lines.size(); first += static_cast<std::size_t>(perPage)) {
        const std::size_t last = std::min(lines.size(), first + static_cast<std::size_t>(perPage));
        pages.emplace_back(lines.begin() + static_cast<long>(first), lines.begin() + static_cast<long>(last));
    }
    return pages;
}

}  // namespace helion
