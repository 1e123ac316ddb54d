#pragma once
// The three tables of the natal Cosmodynes report (points, signs, houses): each lists its
// twelve rows by power with the shares of the column totals, then by net harmony with
// the shares of all harmony or all discord.

#include <array>
#include <string>

#include "core/cosmodynes/cosmo_clipboard.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/reports/report.h"

namespace helion {

struct ScoreRow {
    std::string label;  // 19 characters
    double power = 0.0;
    double harmony = 0.0;
    double discord = 0.0;
    double net() const { return harmony - discord; }
};

struct ScoreTable {
    std::string header;
    std::string clipboardHeader;
    std::array<ScoreRow, 12> rows;  // in point, sign or house order
};

ScoreTable pointTable(const NatalCosmodynes& cosmo);
ScoreTable signTable(const NatalCosmodynes& cosmo);
ScoreTable houseTable(const NatalCosmodynes& cosmo);

// Appends the table; the clipboard takes its header, then each power row's first
// columns with the net-order row's first columns beside them, and the totals.
void appendScoreTable(const ScoreTable& table, ReportLines& lines, CosmoClipboard& clipboard);

}  // namespace helion
