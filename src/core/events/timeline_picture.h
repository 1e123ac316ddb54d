#pragma once
// The timeline as a picture, in the wheels' display list so that their renderer draws it:
// a row per moving body and natal target, each orb period a bar that darkens toward its
// exact hits, each hit a marker with its date, stations and ingresses marked on the moving
// body's own row, lunations and eclipses on a row of their own, the months as a grid and
// today as a line. Units are pixels: x to the right, y upward from the top edge (so every
// y is 0 or below).

#include <string>
#include <vector>

#include "core/events/event.h"
#include "core/events/event_period.h"
#include "core/wheels/display_list.h"

namespace helion {

// A bar or marker and what pointing at it tells: the report lines of its events.
struct TimelineMark {
    WheelBox box;
    std::string text;
};

struct TimelinePicture {
    WheelFrame frame;  // the whole picture, from (0, 0) to (width, -height)
    int background = 15;
    std::vector<std::string> rows;    // the captions, top to bottom
    std::vector<TimelineMark> marks;  // bars before the markers drawn over them
    std::vector<WheelPrimitive> primitives;
};

struct TimelinePictureInput {
    const std::vector<Event>* events = nullptr;  // in time order
    EventPeriod period;
    double zoneHours = 0.0;  // the diurnal zone, hours added to local time to get UT
    double todayJdUt = 0.0;
    int widthPixels = 0;
    int heightPixels = 0;  // the picture grows taller when its rows need more room
};

TimelinePicture buildTimelinePicture(const TimelinePictureInput& input);

// The mark drawn last over `at`: a marker before the bar under it.
const TimelineMark* timelineMarkAt(const TimelinePicture& picture, WheelPoint at);

}  // namespace helion
