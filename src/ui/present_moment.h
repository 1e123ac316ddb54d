#pragma once
// The present moment at the zone an input window shows, from the session's clock.

#include <string_view>

#include "core/input/input_window_logic.h"

namespace helion::ui {

struct Session;

LocalMoment presentMoment(const Session& session, std::string_view zoneText);

}  // namespace helion::ui
