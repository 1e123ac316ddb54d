#include "core/events/timeline_report.h"

#include <algorithm>
#include <array>

#include "core/aspects/aspect_kinds.h"
#include "core/reports/angle_text.h"
#include "core/reports/chart_heading.h"
#include "core/reports/number_format.h"
#include "core/reports/point_names.h"

namespace helion {
namespace {

constexpr std::array<std::string_view, 8> kKindTexts{"",         "STATION",   "ENTERS SIGN",   "ENTERS HOUSE",
                                                     "NEW MOON", "FULL MOON", "SOLAR ECLIPSE", "LUNAR ECLIPSE"};
// The period's last day is the one its last second falls on.
constexpr double kLastSecond = 1.0 / 86400.0;
constexpr std::array<std::string_view, 3> kMoverTexts{"TRANSIT", "PROGR.", "S. ARC"};

std::string padded(std::string_view text, std::size_t width) {
    std::string s(text);
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string dateOnly(double jdUt, double zoneHours) { return localMomentText(jdUt, zoneHours).substr(0, 11); }

std::string eventText(const Event& e) {
    if (e.kind == EventKind::Aspect) {
        std::string name(aspectName(*e.aspect));
        name.erase(name.find_last_not_of(' ') + 1);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
        return name;
    }
    return std::string(kKindTexts[static_cast<std::size_t>(e.kind)]);
}

// The orb period around a hit; an edge beyond the search shows as dots.
std::string orbText(const Event& e, double zoneHours) {
    if (e.kind != EventKind::Aspect) return "";
    const auto edge = [&](const std::optional<double>& jd) {
        return jd ? dateOnly(*jd, zoneHours) : std::string("...........");
    };
    return "PASS " + std::to_string(e.pass) + "  ORB " + edge(e.enterJdUt) + " - " + edge(e.leaveJdUt);
}

std::string placeText(const Event& e) {
    std::string text = positionText(e.longitude) + (e.retrograde ? " R" : "  ");
    text += e.house > 0 ? "  H" + formatNumber(e.house, "00") : "     ";
    return text;
}

int kindRank(const Event& e) { return static_cast<int>(e.kind); }

}  // namespace

std::string timelineLine(const Event& e, double zoneHours) {
    std::string line = "  " + localMomentText(e.jdUt, zoneHours) + "  ";
    line += padded(kMoverTexts[static_cast<std::size_t>(e.mover)], 8);
    line += padded(pointFullName(e.body), 9);
    line += padded(eventText(e), 14);
    line += padded(e.target ? pointFullName(*e.target) : std::string_view{}, 9);
    line += placeText(e);
    const std::string orb = orbText(e, zoneHours);
    if (!orb.empty()) line += "  " + orb;
    if (!e.detail.empty()) line += "  " + e.detail;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

Report timelineReport(const ChartTables& charts, const EventPeriod& period, const std::vector<Event>& events,
                      TimelineOrder order) {
    const double zone = charts.diurnalInput.zone;
    Report report;
    ReportLines& lines = report.lines;
    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back("  TIMELINE - " + dateOnly(period.fromJdUt, zone) + " TO " +
                    dateOnly(period.toJdUt - kLastSecond, zone) + ", TIMES IN ZONE " + formatNumber(zone, "#0.0"));
    lines.emplace_back();
    std::vector<const Event*> shown;
    for (const Event& e : events) shown.push_back(&e);
    if (order == TimelineOrder::ByKind) {
        std::stable_sort(shown.begin(), shown.end(),
                         [](const Event* a, const Event* b) { return kindRank(*a) < kindRank(*b); });
    }
    for (const Event* e : shown) lines.push_back(timelineLine(*e, zone));
    if (events.empty()) lines.push_back("  No event of the chosen kinds in the period.");
    return report;
}

}  // namespace helion
