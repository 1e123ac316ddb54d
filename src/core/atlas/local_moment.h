#pragma once
// A local date and clock time as the user types it into the atlas: "07 Mar 1952",
// "10.30" and A or P on the 12-hour clock.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/input/input_window_logic.h"  // LocalMoment

namespace helion {

struct LocalMomentRead {
    std::optional<LocalMoment> moment;
    std::string error;  // names the text that is wrong
};

// Reads "dd mmm yyyy" (a real calendar day), "H.MM" (hours 1 to 12, or 0, and minutes
// 0 to 59) and "A" or "P" (any case). 12.30 A is half past midnight, 12.30 P half past noon.
LocalMomentRead readLocalMoment(std::string_view date, std::string_view time, std::string_view amPm);

// The moment's clock reading counted as seconds from 1970-01-01 00:00 on the same
// clock (Gregorian calendar): the local time as if it were UT.
std::int64_t clockSeconds(const LocalMoment& moment);

}  // namespace helion
