#pragma once
// One timeline event as a JSON object on one line.

#include <string>

#include "core/events/event.h"

namespace helion::cli {

// Keys in this order: kind, moving, body, aspect, target, jd_ut, pass, enter_jd_ut,
// leave_jd_ut, longitude, retrograde, sign, house, local, detail. Absent values are null.
std::string eventJson(const Event& event, double zoneHours);

}  // namespace helion::cli
