#pragma once
// What the atlas window and helion-cli show for one place at one local moment: the
// offset, the reason in words and the warnings, from the same reasoning.

#include <optional>
#include <string>
#include <vector>

#include "core/atlas/local_moment.h"
#include "core/atlas/place_list.h"
#include "core/atlas/place_offset.h"
#include "core/atlas/zone_history.h"

namespace helion {

struct PlaceAnswer {
    std::optional<PlaceOffset> offset;  // nothing when the zone is not in the history
    std::string reason;                 // or the message that the zone is unknown
    std::vector<std::string> warnings;
};

PlaceAnswer answerFor(const ZoneHistory& history, const PlaceList& list, const Place& place, const LocalMoment& moment);

}  // namespace helion
