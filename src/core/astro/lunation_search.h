#pragma once
// The new-moon search of the transits report, run on the program's own solar and lunar
// theory: steps forward in time until the Moon has caught up with the Sun to within half
// a second of arc.

#include <vector>

namespace helion {

struct NewMoon {
    double t = 0.0;             // Julian centuries from JD 2415020
    double sunLongitude = 0.0;  // the lunation point, in [0, 360)
};

struct NewMoonSearch {
    std::vector<NewMoon> newMoons;
    // False when a new moon was not found within the step limit; the moons found before
    // it are kept.
    bool complete = true;
};

// Each step is the Moon's distance behind the Sun divided by 15 degrees a day; the Moon
// gains less than that on the Sun, so the search closes in without overshooting. After a
// new moon it jumps 340 / 15 days ahead. A dozen steps find one new moon, and no new
// moon between 1800 and 2200 takes more than 17; the limit is far above that.
inline constexpr int kNewMoonStepLimit = 200;

NewMoonSearch findNewMoons(double startT, int count, int stepLimit = kNewMoonStepLimit);

}  // namespace helion
