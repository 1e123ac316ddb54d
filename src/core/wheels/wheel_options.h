#pragma once
// The option entries the wheels read, with the values each use allows and the value the
// program ships. A value outside its range is drawn as shipped: a font size of 600 points
// makes a glyph larger than the picture, and a colour of 1e39 names no colour at all.

#include <span>

#include "core/config/options.h"
#include "core/config/value_range.h"

namespace helion {

std::span<const ValueRange> wheelOptionRanges();

// Every wheel entry at its shipped value, the other entries 0.
OptionValues shippedWheelOptions();

// The options with each wheel entry outside its range replaced by its shipped value.
OptionValues wheelOptionsInRange(const OptionValues& options);

}  // namespace helion
