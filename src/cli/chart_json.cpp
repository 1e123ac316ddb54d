#include "cli/chart_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace helion::cli {
namespace {

std::string number(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

std::string text(const std::string& s) { return nlohmann::json(s).dump(); }

template <std::size_t N>
std::string numbers(const std::array<double, N>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < N; ++i) out += (i ? ", " : "") + number(values[i]);
    return out + "]";
}

std::string chartSet(const ChartPositions& set, const ChartMoment& moment) {
    return "{\n    \"jd\": " + number(moment.jd) + ",\n    \"t\": " + number(moment.t) +
           ",\n    \"longitude\": " + numbers(set.longitude) + ",\n    \"declination\": " + numbers(set.declination) +
           ",\n    \"cusp\": " + numbers(set.cusp) + ",\n    \"placement\": " + text(set.placement) +
           ",\n    \"sidereal_time\": " + text(set.siderealTime) + ",\n    \"retrograde\": " + text(set.retrograde) +
           "\n  }";
}

}  // namespace

std::string chartTablesJson(const ChartTables& t) {
    const std::string houseCode(1, static_cast<char>(t.houseSystem));
    return "{\n  \"house_system\": " + text(houseCode) + ",\n  \"natal_obliquity\": " + number(t.natalObliquity) +
           ",\n  \"diurnal_obliquity\": " + number(t.diurnalObliquity) +
           ",\n  \"natal\": " + chartSet(t.natal, t.natalMoment) +
           ",\n  \"diurnal\": " + chartSet(t.diurnal, t.diurnalMoment) +
           ",\n  \"progressed\": " + chartSet(t.progressed, t.progressedMoment) +
           ",\n  \"minor_progressed\": " + chartSet(t.minorProgressed, t.minorMoment) + "\n}\n";
}

}  // namespace helion::cli
