#pragma once
// The local clock's present moment, as the input windows' Now fills take it.

#include "core/input/input_window_logic.h"

namespace helion::ui {

LocalMoment presentMoment();

}  // namespace helion::ui
