#include "ui/present_moment.h"

#include "core/input/present_moment.h"
#include "ui/session.h"

namespace helion::ui {

LocalMoment presentMoment(const Session& session, std::string_view zoneText) {
    return momentInZone(session.universalClock(), zoneText);
}

}  // namespace helion::ui
