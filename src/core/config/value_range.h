#pragma once
// A run of option or orb entries and the values their use allows.

#include <cmath>

namespace helion {

struct ValueRange {
    int firstEntry;
    int lastEntry;
    float low;
    float high;
    const char* use;  // what the entries are and why the range

    bool holds(float value) const { return std::isfinite(value) && low <= value && value <= high; }
};

}  // namespace helion
