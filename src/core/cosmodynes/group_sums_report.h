#pragma once
// The sums of the natal Cosmodynes report over groups of signs (elements, qualities,
// polarities) and of houses (hemispheres and the traditional house groups).

#include <string>

#include "core/cosmodynes/cosmo_clipboard.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/reports/report.h"

namespace helion {

void appendGroupSums(const NatalCosmodynes& cosmo, ReportLines& lines, CosmoClipboard& clipboard);

}  // namespace helion
