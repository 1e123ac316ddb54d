#pragma once

#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/cosmodynes/natal_cosmodynes.h"

namespace helion::cosmo {

// Adds the aspects and parallels of every pair of scored points to the points' aspect
// power, harmony and discord and to the aspect grid. Each pair is visited from both
// sides, and each visit adds only to the first point's values.
void scoreAspectsAndParallels(const ChartPositions& natal, NatalCosmodynes& cosmo);

}  // namespace helion::cosmo
