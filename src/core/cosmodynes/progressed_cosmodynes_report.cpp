#include "core/cosmodynes/progressed_cosmodynes_report.h"

#include <array>

#include "core/aspects/aspect_kinds.h"
#include "core/cosmodynes/cosmo_number_fill.h"
#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/reports/angle_text.h"
#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"
#include "core/reports/planet_table.h"

namespace helion {
namespace {

constexpr std::string_view kChangeHeading = "       Power   Inc/Dec Harmony   Inc/Dec";

std::string shortName(Point point) { return std::string(planetName(point).substr(0, 3)); }

// "SUN", "MER" .. "MOO", "ASC", "MC " by table position 1..12.
std::string shortNameAt(int position) { return shortName(cosmo::kScoredPoints[position - 1]); }

void appendNatalValues(const NatalCosmodynes& natal, ReportLines& lines) {
    const CosmoSummary& power = natal.natalCosmoPower;
    const CosmoSummary& net = natal.natalCosmoNet;
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(std::string(27, ' ') + "COSMODYNES AT BIRTH");
    lines.emplace_back("       Power  Harmony         Power  Harmony         Power  Harmony");
    for (int i = 1; i <= 12; ++i) {
        lines.push_back("  " + shortNameAt(i) + pad7(power[i]) + " " + pad7(net[i]) + "     " +
                        std::string(signAbbreviation(i)) + pad7(power[12 + i]) + " " + pad7(net[12 + i]) + "    " +
                        pad4Number(i) + " " + pad7(power[24 + i]) + " " + pad7(net[24 + i]));
    }
}

void appendPositions(const ProgressedCosmodynes& score, const ChartTables& charts, ReportLines& lines) {
    const ChartPositions& progressed = charts.progressed;
    const ChartInput& diurnal = charts.diurnalInput;
    lines.emplace_back();
    lines.emplace_back("    Progressed Planet Positions");
    lines.push_back("     Diurnal date = " + formatDate({diurnal.year, diurnal.month, diurnal.day}));
    for (const Point p : kTableRows) {
        lines.push_back("  " + shortName(p) + " " + positionText(progressed.longitude[p]) + " " +
                        retrogradeMark(progressed.retrograde, p) + "   (" + houseField(score.house[p]) + ")");
    }
}

void appendAspects(const ProgressedCosmodynes& score, ReportLines& lines) {
    lines.emplace_back();
    lines.emplace_back("         Progressed Planet Aspects");
    lines.push_back(std::string(28, ' ') + "Power Harmony");
    for (const ProgressedAspect& found : score.aspects) {
        const bool natalSecond = found.second > 12;
        const std::string second =
            natalSecond ? " n. " + shortNameAt(found.second - 12) : " p. " + shortNameAt(found.second);
        lines.push_back("  p. " + shortNameAt(found.first) + " " + std::string(aspectName(found.aspect).substr(0, 10)) +
                        second + pad7(found.power) + " " + pad7(found.harmony));
    }
    lines.emplace_back();
    lines.emplace_back("  Added Power and Harmony Due to Progressed Aspects");
    lines.push_back(std::string(9, ' ') + "Power Harmony");
    for (int i = 1; i <= 12; ++i) {
        lines.push_back("  " + shortNameAt(i) + "  " + pad7(score.addedPower[i]) + " " + pad7(score.addedHarmony[i]));
    }
}

// Value, its change from the natal value, net harmony and its change.
std::string changeFields(double power, double natalPower, double net, double natalNet) {
    return pad7(power) + " (" + pad7(power - natalPower) + ") " + pad7(net) + " (" + pad7(net - natalNet) + ") ";
}

void appendChanges(const NatalCosmodynes& natal, const ProgressedCosmodynes& score, ReportLines& lines) {
    const CosmoSummary& power = natal.natalCosmoPower;
    const CosmoSummary& net = natal.natalCosmoNet;
    lines.emplace_back();
    lines.emplace_back("  Normal Progressed Sign and House Cosmodynes");
    lines.emplace_back(kChangeHeading);
    for (int s = 1; s <= 12; ++s) {
        lines.push_back("  " + std::string(signAbbreviation(s)) +
                        changeFields(score.signPower[s], power[12 + s], score.signNet[s], net[12 + s]));
    }
    lines.emplace_back();
    lines.emplace_back(kChangeHeading);
    for (int h = 1; h <= 12; ++h) {
        lines.push_back(" " + pad4Number(h) + " " +
                        changeFields(score.housePower[h], power[24 + h], score.houseNet[h], net[24 + h]));
    }
    lines.emplace_back();
    lines.push_back(std::string(6, ' ') + "Gain or loss of harmony = " + pad7(score.harmonyGain));
}

}  // namespace

void appendProgressedCosmodynes(const NatalCosmodynes& natalScore, const ProgressedCosmodynes& progressedScore,
                                const ChartTables& charts, ReportLines& lines) {
    appendNatalValues(natalScore, lines);
    appendPositions(progressedScore, charts, lines);
    appendAspects(progressedScore, lines);
    appendChanges(natalScore, progressedScore, lines);
}

}  // namespace helion
