#pragma once
// The ranges the program's use sets for the numbers of the options and orb files: a
// value outside them loads without a word but gives a wrong or empty result later.

#include <span>
#include <vector>

#include "core/base/line_problem.h"
#include "core/config/value_range.h"

namespace helion {

// The options entries with a limited use outside the wheels (whose ranges come with their
// drawing, `wheelOptionRanges`); the other entries take any value.
std::span<const ValueRange> optionRanges();
std::span<const ValueRange> orbRanges();

// A problem on line k for value k (values[k - 1]) outside its range. Values too large to
// be held are left to the reader's own problems.
std::vector<LineProblem> valuesOutsideRanges(std::span<const float> values, std::span<const ValueRange> ranges);

}  // namespace helion
