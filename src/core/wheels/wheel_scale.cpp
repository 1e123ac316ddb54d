#include "core/wheels/wheel_scale.h"

#include <algorithm>
#include <cmath>

namespace helion {

std::int16_t resizedStartScale(int innerWidth, int innerHeight) {
    if (innerHeight <= 0 || innerWidth < innerHeight) return 244;
    return static_cast<std::int16_t>(std::lround(std::min(225.0 * innerWidth / innerHeight, 32767.0)));
}

std::int16_t printedStartScale(WheelKind kind, ChartType chartType) {
    return kind == WheelKind::Single && chartType == ChartType::European ? 272 : 265;
}

WheelFrame screenFrame(double startScale, int innerWidth, int innerHeight) {
    const double ratio = innerWidth > 0 ? static_cast<double>(innerHeight) / innerWidth : 1.0;
    return {-startScale, startScale * ratio, startScale, -startScale * ratio};
}

WheelFrame printerFrame(double startScale) {
    return {16.0 - startScale, 1.25 * startScale - 67.0, startScale + 16.0, -1.25 * startScale - 67.0};
}

}  // namespace helion
