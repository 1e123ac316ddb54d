#pragma once
// How the print window lays out the hand-over file on paper: the font size chosen by
// the longest line, and the lines of each page.

#include <string>
#include <string_view>
#include <vector>

#include "core/config/options.h"

namespace helion {

inline constexpr const char* kPrintFontFamily = "Courier New";

// 12 points while every line fits option 117's width, 10 when a line is longer.
int printFontPoints(const std::vector<std::string>& lines, const OptionValues& options);

// The lines of the text, without line breaks; a final line break starts no line.
std::vector<std::string> printLines(std::string_view text);

// Pages of at most option 30's lines, and never more than fit on the paper. A page
// length below 1 means a page as full as the paper takes. No page is left empty.
std::vector<std::vector<std::string>> paginate(const std::vector<std::string>& lines, const OptionValues& options,
                                               int linesFittingOnPaper);

}  // namespace helion
