#include "cli/chart_json.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "core/reports/angle_text.h"
#include "core/reports/planet_table.h"

namespace helion::cli {
namespace {

// 17 significant digits with a decimal point under every locale.
std::string number(double v) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 17).ptr;
    return std::string(buffer, end);
}

std::string text(const std::string& s) { return nlohmann::json(s).dump(); }

template <typename Values>
std::string numbers(const Values& values, std::string out = "[") {
    for (const double v : values) out += (out.size() > 1 ? ", " : "") + number(v);
    return out + "]";
}

// The point arrays keep the points' printed numbers as positions: entry 0 is always 0.
std::string pointNumbers(const PointTable& values) { return numbers(values, "[0"); }

// The 15 house fields of 10 characters, "10TH HOUSE" for a point in the 10th house.
std::string placementText(const PointHouses& houses) {
    std::string out;
    for (const Point p : kAllPoints) out += houseField(houses[p]);
    return out;
}

// One character per point in table order, "R" when the point moved backwards.
std::string retrogradeText(const PointFlags& retrograde) {
    std::string out;
    for (const Point p : kAllPoints) out += retrogradeMark(retrograde, p);
    return out;
}

std::string chartSet(const ChartPositions& set, const ChartMoment& moment) {
    return "{\n    \"jd\": " + number(moment.jd) + ",\n    \"t\": " + number(moment.t) +
           ",\n    \"longitude\": " + pointNumbers(set.longitude) +
           ",\n    \"declination\": " + pointNumbers(set.declination) + ",\n    \"cusp\": " + numbers(set.cusp) +
           ",\n    \"placement\": " + text(placementText(set.house)) +
           ",\n    \"sidereal_time\": " + text(siderealTimeText(set.siderealSeconds)) +
           ",\n    \"retrograde\": " + text(retrogradeText(set.retrograde)) + "\n  }";
}

}  // namespace

std::string chartTablesJson(const ChartTables& t) {
    const std::string houseCode(1, static_cast<char>(t.houseSystem));
    return "{\n  \"house_system\": " + text(houseCode) +
           ",\n  \"house_system_name\": " + text(std::string(houseSystemName(t.houseSystem))) +
           ",\n  \"natal_obliquity\": " + number(t.natalObliquity) +
           ",\n  \"diurnal_obliquity\": " + number(t.diurnalObliquity) +
           ",\n  \"natal\": " + chartSet(t.natal, t.natalMoment) +
           ",\n  \"diurnal\": " + chartSet(t.diurnal, t.diurnalMoment) +
           ",\n  \"progressed\": " + chartSet(t.progressed, t.progressedMoment) +
           ",\n  \"minor_progressed\": " + chartSet(t.minorProgressed, t.minorMoment) + "\n}\n";
}

std::string compactJson(std::string_view json) {
    std::string line;
    line.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] != '\n') {
            line += json[i];
            continue;
        }
        while (i + 1 < json.size() && json[i + 1] == ' ') ++i;
    }
    return line;
}

}  // namespace helion::cli
