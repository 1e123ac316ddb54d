#include "core/config/twips.h"

#include <cmath>

namespace helion {

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

double pixelsToTwips(int pixels, double logicalDpi) { return std::round(pixels * kTwipsPerInch / logicalDpi); }

}  // namespace helion
