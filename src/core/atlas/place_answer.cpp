#include "core/atlas/place_answer.h"

#include "core/atlas/offset_text.h"

namespace helion {

PlaceAnswer answerFor(const ZoneHistory& history, const PlaceList& list, const Place& place,
                      const LocalMoment& moment) {
    const std::string& zone = zoneOf(list, place);
    PlaceAnswer answer{placeOffset(history, zone, place.longitudeDeg, moment), {}, {}};
    if (!answer.offset) {
        answer.reason = unknownZoneText(zone);
        return answer;
    }
    answer.reason = reasonText(*answer.offset);
    for (const auto& warning : answer.offset->warnings) answer.warnings.push_back(warningText(warning, zone));
    return answer;
}

}  // namespace helion
