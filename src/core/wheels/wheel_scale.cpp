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

double wheelTextScale(int innerWidth, int innerHeight, int startupInnerWidth, int startupInnerHeight) {
    if (startupInnerWidth <= 0 || startupInnerHeight <= 0) return 1.0;
    const double ratio = std::min(static_cast<double>(innerWidth) / startupInnerWidth,
                                  static_cast<double>(innerHeight) / startupInnerHeight);
    return std::max(1.0, ratio);
}

WheelFrame printerFrame(double startScale, double pageWidth, double pageHeight) {
    constexpr double kCentreX = 16.0, kCentreY = -67.0;
    // Units up the page per unit across it, for the same length in device pixels.
    const double tallness = pageWidth > 0 && pageHeight > 0 ? pageHeight / pageWidth * kPrinterVerticalFactor : 1.25;
    double width = 2.0 * startScale;
    double height = width * tallness;
    if (height < 2.5 * startScale) {
        height = 2.5 * startScale;
        width = height / tallness;
    }
    return {kCentreX - width / 2, kCentreY + height / 2, kCentreX + width / 2, kCentreY - height / 2};
}

}  // namespace helion
