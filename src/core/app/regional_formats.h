#pragma once
// The user's regional date order and clock, read from the date and time patterns of the
// system locale ("M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd"; "h:mm AP", "HH:mm").

#include <string_view>

#include "core/app/app_state.h"

namespace helion {

// The order in which day, month and year first appear. Quoted literal text and the
// weekday fields ("ddd", "dddd") do not count. Month first when the pattern names no day.
DateOrder dateOrderFromPattern(std::string_view datePattern);

// A pattern with an AM/PM marker ("AP", "ap", "A", "a" outside quotes) is the 12-hour clock.
TimeFormat timeFormatFromPattern(std::string_view timePattern);

}  // namespace helion
