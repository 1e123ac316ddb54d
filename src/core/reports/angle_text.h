#pragma once
// Zodiac positions and declinations as the reports print them: an angle split into sign,
// degrees within the sign, minutes and seconds, and the fixed-width texts built from it.

#include <string>

namespace helion {

struct AngleSplit {
    int sign = 1;     // 1 Aries .. 12 Pisces
    int degrees = 0;  // within the sign
    int minutes = 0;
    int seconds = 0;       // truncated split only
    int wholeDegrees = 0;  // floor of the angle
};

// Minutes rounded; 60 is held at 59 so that a position never carries into the next
// degree or sign (29.999 degrees stays 29 ARI 59).
AngleSplit splitRounded(double degrees);

// Minutes and seconds truncated.
AngleSplit splitTruncated(double degrees);

// "05 ARI 23" for a longitude in [0, 360).
std::string positionText(double longitude);

// "05 ARI 23m 45s".
std::string positionWithSeconds(double longitude);

// "23 N 26"; a declination of exactly 0 counts as north.
std::string declinationText(double declination);

// "Solar constant is 12 degrees, 34 minutes " for an arc in degrees.
std::string solarConstantText(float arc);

// "06H  39M  52S " for a sidereal time in whole seconds.
std::string siderealTimeText(int seconds);

}  // namespace helion
