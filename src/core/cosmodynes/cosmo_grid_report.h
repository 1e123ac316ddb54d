#pragma once
// The Cosmodynes aspect grid: the power of every pair of scored points above the
// diagonal and its net harmony below.

#include <string>

#include "core/cosmodynes/cosmo_clipboard.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/reports/report.h"

namespace helion {

void appendCosmoGrid(const AspectGrid& grid, ReportLines& lines, CosmoClipboard& clipboard);

}  // namespace helion
