#include "core/cosmodynes/score_tables_report.h"

#include <cmath>

#include "core/cosmodynes/cosmo_number_fill.h"
#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/cosmodynes/ranking.h"
#include "core/reports/name_tables.h"

namespace helion {
namespace {

// The power and net-harmony columns that open every row, which the clipboard keeps.
constexpr std::size_t kClipboardColumns = 46;

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::string tableHeader(const std::string& rowKind, std::string_view harmonyAndDiscord) {
    return "  " + rowKind + blanks(21 - 2 - rowKind.size()) + "Power    %" + blanks(9) + "Har/Disc     " + blanks(6) +
           std::string(harmonyAndDiscord);
}

std::string clipboardHeader(const std::string& rowKind) {
    return "  " + rowKind + blanks(21 - 2 - rowKind.size()) + "Power    %" + blanks(9) + "Har/Disc" + blanks(22) +
           "Power" + blanks(14) + "Har/Disc";
}

ScoreTable tableOf(const std::string& rowKind, std::string_view harmonyAndDiscord) {
    return {tableHeader(rowKind, harmonyAndDiscord), clipboardHeader(rowKind), {}};
}

struct Totals {
    double power = 0.0, net = 0.0, harmony = 0.0, discord = 0.0;
    double positiveNet = 0.0;  // sum of the nets >= 0
    double negativeNet = 0.0;  // sum of the magnitudes of the nets < 0
};

// Summed in power order, the order the rows are printed in.
Totals totalsOf(const std::array<ScoreRow, 12>& rows, const std::array<int, 12>& powerOrder) {
    Totals totals;
    for (const int i : powerOrder) {
        const ScoreRow& row = rows[i];
        totals.power += row.power;
        totals.net += row.net();
        totals.harmony += row.harmony;
        totals.discord += row.discord;
        if (row.net() >= 0.0)
            totals.positiveNet += row.net();
        else
            totals.negativeNet += -row.net();
    }
    return totals;
}

std::string powerOrderRow(const ScoreRow& row, const Totals& totals) {
    return row.label + pad7(row.power) + blanks(2) + pad4(percentOf(row.power, totals.power)) + blanks(7) +
           pad7(row.net()) + blanks(12) + pad7(row.harmony) + blanks(4) + pad4(percentOf(row.harmony, totals.harmony)) +
           blanks(5) + pad7(row.discord) + blanks(5) + pad4(percentOf(row.discord, totals.discord));
}

std::string totalsLine(const Totals& totals) {
    return "  TOTALS" + blanks(11) + pad7(totals.power) + blanks(13) + pad7(totals.net) + blanks(12) +
           pad7(totals.harmony) + blanks(13) + pad7(totals.discord);
}

// The share of a harmonious row in all harmony, of a discordant one in all discord.
std::string netOrderRow(const ScoreRow& row, const Totals& totals) {
    const double share = row.net() >= 0.0 ? percentOf(row.net(), totals.positiveNet)
                                          : std::abs(percentOf(row.net(), totals.negativeNet));
    return row.label + pad7(row.power) + blanks(13) + pad7(row.net()) + blanks(3) + pad4(share) + blanks(5) +
           pad7(row.harmony) + blanks(13) + pad7(row.discord);
}

template <typename ValueOf>
std::array<int, 12> orderBy(ValueOf valueOf) {
    return rankDescending(std::array<int, 12>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, valueOf);
}

}  // namespace

ScoreTable pointTable(const NatalCosmodynes& cosmo) {
    ScoreTable table = tableOf("Planet", "Harmony     %       Discord      %");
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const Point p = cosmo::kScoredPoints[i];
        table.rows[i] = {"  " + std::string(planetName(p)) + blanks(7), cosmo.planetPower[p], cosmo.planetHarmony[p],
                         cosmo.planetDiscord[p]};
    }
    return table;
}

ScoreTable signTable(const NatalCosmodynes& cosmo) {
    ScoreTable table = tableOf("Sign", "Harmony    %       Discord       %");
    for (int sign = 1; sign <= 12; ++sign) {
        table.rows[sign - 1] = {"  " + std::string(signAbbreviation(sign)) + blanks(14), cosmo.signPower[sign],
                                cosmo.signHarmony[sign], cosmo.signDiscord[sign]};
    }
    return table;
}

ScoreTable houseTable(const NatalCosmodynes& cosmo) {
    ScoreTable table = tableOf("House", "Harmony    %       Discord       %");
    for (int house = 1; house <= 12; ++house) {
        // The house number printed as a number text, with its blank before the digits.
        const std::string label = blanks(house <= 9 ? 4 : 3) + " " + std::to_string(house) + blanks(13);
        table.rows[house - 1] = {label, cosmo.housePower[house], cosmo.houseHarmony[house], cosmo.houseDiscord[house]};
    }
    return table;
}

void appendScoreTable(const ScoreTable& table, ReportLines& lines, CosmoClipboard& clipboard) {
    const auto& rows = table.rows;
    const std::array<int, 12> powerOrder = orderBy([&](int r) { return rows[r].power; });
    const Totals totals = totalsOf(rows, powerOrder);
    lines.push_back(table.header);
    clipboard.put(table.clipboardHeader);

    for (const int i : powerOrder) {
        lines.push_back(powerOrderRow(rows[i], totals));
        clipboard.put(lines.back().substr(0, kClipboardColumns));
    }
    lines.emplace_back();
    lines.push_back(totalsLine(totals));
    clipboard.put(lines.back().substr(0, kClipboardColumns));

    clipboard.move(-13);
    lines.push_back(blanks(51) + "%");
    for (const int i : orderBy([&](int r) { return rows[r].net(); })) {
        lines.push_back(netOrderRow(rows[i], totals));
        clipboard.putBeside(lines.back().substr(0, kClipboardColumns));
    }
    clipboard.move(2);
}

}  // namespace helion
