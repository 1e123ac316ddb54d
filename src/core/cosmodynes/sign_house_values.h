#pragma once

#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/cosmodynes/natal_cosmodynes.h"

namespace helion::cosmo {

// The value a sign takes from its ruler (or the mean of its two rulers) in a table of
// planet values.
double rulerValue(const PointTable& values, int sign);

// Sign values: a share of the ruler's values that grows with the number of cusps the
// sign holds, plus the values of the scored points standing in it.
void scoreSigns(const ChartPositions& natal, NatalCosmodynes& cosmo);

// House values: half the ruler values of the sign on the cusp, a quarter of those of
// every sign intercepted in the house, the planets placed in it, and the Ascendant and
// Midheaven in the 1st and 10th.
void scoreHouses(const ChartPositions& natal, NatalCosmodynes& cosmo);

}  // namespace helion::cosmo
