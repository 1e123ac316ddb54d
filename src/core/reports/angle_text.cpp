#include "core/reports/angle_text.h"

#include <cmath>
#include <cstdio>

#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

// Sign and degrees within the sign of the whole degrees w. Rounding the remainder to two
// decimals removes the noise of w / 30 * 30, so the degrees are exactly w mod 30.
AngleSplit signAndDegrees(double degrees) {
    AngleSplit split;
    const double whole = std::floor(degrees);
    const double signs = whole / 30.0;
    const double withinSign = std::floor((signs - std::floor(signs)) * 30.0 * 100.0 + 0.5) / 100.0;
    split.sign = static_cast<int>(std::floor(signs)) + 1;
    split.degrees = static_cast<int>(std::floor(withinSign));
    split.wholeDegrees = static_cast<int>(whole);
    return split;
}

std::string twoDigits(int value) { return formatNumber(value, "00"); }

}  // namespace

AngleSplit splitRounded(double degrees) {
    AngleSplit split = signAndDegrees(degrees);
    const double minutes = std::floor((degrees - std::floor(degrees)) * 60.0 + 0.5);
    split.minutes = minutes >= 60.0 ? 59 : static_cast<int>(minutes);
    return split;
}

AngleSplit splitTruncated(double degrees) {
    AngleSplit split = signAndDegrees(degrees);
    const double minutes = (degrees - std::floor(degrees)) * 60.0;
    split.minutes = static_cast<int>(std::floor(minutes));
    split.seconds = static_cast<int>(std::floor((minutes - std::floor(minutes)) * 60.0));
    return split;
}

std::string positionText(double longitude) {
    const AngleSplit s = splitRounded(longitude);
    return twoDigits(s.degrees) + " " + std::string(signAbbreviation(s.sign)) + " " + twoDigits(s.minutes);
}

std::string positionWithSeconds(double longitude) {
    const AngleSplit s = splitTruncated(longitude);
    return twoDigits(s.degrees) + " " + std::string(signAbbreviation(s.sign)) + " " + twoDigits(s.minutes) + "m " +
           twoDigits(s.seconds) + "s";
}

std::string declinationText(double declination) {
    // Whole degrees rather than degrees within a sign: a declination is no zodiac place.
    const AngleSplit s = splitRounded(std::fabs(declination));
    return twoDigits(s.wholeDegrees) + (declination < 0.0 ? " S " : " N ") + twoDigits(s.minutes);
}

std::string solarConstantText(float arc) {
    const AngleSplit s = splitRounded(arc);
    return "Solar constant is " + formatNumber(std::floor(arc), "##0") + " degrees, " + twoDigits(s.minutes) +
           " minutes ";
}

std::string siderealTimeText(int seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%02dH  %02dM  %02dS ", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace helion
