#include "core/atlas/coordinate_text.h"

#include <cmath>

namespace helion {
namespace {

DegreesMinutes degreesMinutes(double degrees, char positive, char negative) {
    const long arcMinutes = std::lround(std::fabs(degrees) * 60.0);
    return {static_cast<int>(arcMinutes / 60), static_cast<int>(arcMinutes % 60),
            degrees < 0.0 && arcMinutes != 0 ? negative : positive};
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

DegreesMinutes latitudeDegreesMinutes(double latitudeDeg) { return degreesMinutes(latitudeDeg, 'N', 'S'); }

DegreesMinutes longitudeDegreesMinutes(double longitudeDeg) { return degreesMinutes(longitudeDeg, 'E', 'W'); }

std::string packedText(const DegreesMinutes& value) {
    return std::to_string(value.degrees) + value.letter + twoDigits(value.minutes);
}

std::string displayText(const DegreesMinutes& value) {
    return std::to_string(value.degrees) + "\u00B0" + twoDigits(value.minutes) + "' " + value.letter;
}

}  // namespace helion
