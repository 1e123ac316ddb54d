#pragma once
// The ranges the program's use sets for the numbers of the options and orb files: a
// value outside them loads without a word but gives a wrong or empty result later.

#include <span>
#include <vector>

#include "core/base/line_problem.h"

namespace helion {

struct ValueRange {
    int firstEntry;
    int lastEntry;
    float low;
    float high;
    const char* use;  // what the entries are and why the range
};

// The options entries with a limited use; the other entries are switches, colours and
// sizes that take any value.
std::span<const ValueRange> optionRanges();
std::span<const ValueRange> orbRanges();

// A problem on line k for value k (values[k - 1]) outside its range. Values too large to
// be held are left to the reader's own problems.
std::vector<LineProblem> valuesOutsideRanges(std::span<const float> values, std::span<const ValueRange> ranges);

}  // namespace helion
