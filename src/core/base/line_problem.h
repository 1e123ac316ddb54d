#pragma once
// A fault found on one line of a data file, for the user who edits it by hand.

#include <string>

namespace helion {

struct LineProblem {
    int line = 0;  // 1-based; 0 when the fault concerns the whole file
    std::string text;
    friend bool operator==(const LineProblem&, const LineProblem&) = default;
};

}  // namespace helion
