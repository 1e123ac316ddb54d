#include "core/aspects/aspect_lines.h"

#include <cmath>

#include "core/aspects/aspect_catalogue.h"
#include "core/aspects/aspect_classifier.h"
#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

// The classifier's distance (separation minus angle) grows as the first body moves on
// when it lies less than half a circle ahead of the second; negating it there makes
// "not yet reached" positive and "passed" negative in both halves.
bool firstBodyIsAhead(double longitudeDifference) {
    return longitudeDifference <= -180.0 || (longitudeDifference >= 0.0 && longitudeDifference < 180.0);
}

// The distance in "0.0", after enough blanks that the digits line up with or without a
// minus sign.
std::string distanceColumn(double distance) {
    const std::string digits = formatNumber(distance, "0.0");
    return std::string(digits.front() == '-' ? 4 : 5, ' ') + digits + " degrees";
}

}  // namespace

std::optional<std::string> aspectLine(int first, int second, double longitudeDifference) {
    const AspectFinding finding = classifyReportAspect(foldSeparation(std::fabs(longitudeDifference)));
    if (finding.code == aspect::None) return std::nullopt;
    const double distance = firstBodyIsAhead(longitudeDifference) ? -finding.distance : finding.distance;

    std::string line = "  ";
    line += planetName(first);
    line += "    ";
    line += aspectName(finding.code);
    line += "    ";
    line += planetName(second);
    line += distanceColumn(distance);
    return line;
}

std::optional<std::string> parallelLine(int first, int second, double declinationFirst,
                                        double declinationSecond, float parallelOrb) {
    const std::optional<ParallelFinding> parallel = findParallel(declinationFirst, declinationSecond, parallelOrb);
    if (!parallel) return std::nullopt;

    std::string line = "  ";
    line += planetName(first);
    line += "    ";
    line += parallel->contra ? "C.Parallel" : "Parallel  ";
    line += "    ";
    line += planetName(second);
    line += distanceColumn(parallel->difference);
    return line;
}

}  // namespace helion
