#pragma once
// Latitudes and longitudes in whole degrees and minutes of arc, as the input windows
// take them.

#include <string>

namespace helion {

struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    char letter = 'N';  // N or S for a latitude, E or W for a longitude
};

DegreesMinutes latitudeDegreesMinutes(double latitudeDeg);    // north positive
DegreesMinutes longitudeDegreesMinutes(double longitudeDeg);  // east positive

// "40N43", "74W00": degrees, the letter, two-digit minutes.
std::string packedText(const DegreesMinutes& value);

// "40°43' N", "74°00' W".
std::string displayText(const DegreesMinutes& value);

}  // namespace helion
