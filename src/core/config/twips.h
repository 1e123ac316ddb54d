#pragma once
// Window geometry is stored in twips, 1/1440 inch: 15 twips per pixel on a 96 dpi
// screen, fewer per pixel on a screen of higher logical resolution.

namespace helion {

inline constexpr double kTwipsPerInch = 1440.0;

int twipsToPixels(double twips, double logicalDpi);
double pixelsToTwips(int pixels, double logicalDpi);

}  // namespace helion
