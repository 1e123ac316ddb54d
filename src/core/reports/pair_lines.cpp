#include "core/reports/pair_lines.h"

#include <cmath>
#include <string_view>

#include "core/aspects/aspect_kinds.h"
#include "core/aspects/classifier.h"
#include "core/reports/name_tables.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

std::string distanceColumn(double distance) {
    const std::string digits = formatNumber(distance, "0.0");
    return std::string(digits.front() == '-' ? 4 : 5, ' ') + digits + " degrees";
}

std::string pairLine(Point first, std::string_view verdict, Point second, double distance) {
    std::string line = "  ";
    line += planetName(first);
    line += "    ";
    line += verdict;
    line += "    ";
    line += planetName(second);
    line += distanceColumn(distance);
    return line;
}

}  // namespace

bool firstBodyIsAhead(double longitudeDifference) {
    return longitudeDifference <= -180.0 || (longitudeDifference >= 0.0 && longitudeDifference < 180.0);
}

std::string aspectLineText(Point first, Aspect aspect, Point second, double distance) {
    return pairLine(first, aspectName(aspect), second, distance);
}

std::string parallelLineText(Point first, Point second, bool contra, double difference) {
    // Ten characters: the parallel column is two narrower than the aspect names.
    return pairLine(first, contra ? "C.Parallel" : "Parallel  ", second, difference);
}

std::optional<std::string> aspectLine(Point first, Point second, double longitudeDifference) {
    const AspectFinding finding = classifyReportAspect(foldSeparation(std::fabs(longitudeDifference)));
    if (!finding.aspect) return std::nullopt;
    const double distance = firstBodyIsAhead(longitudeDifference) ? -finding.distance : finding.distance;
    return aspectLineText(first, *finding.aspect, second, distance);
}

std::optional<std::string> parallelLine(Point first, Point second, double declinationFirst, double declinationSecond,
                                        float parallelOrb) {
    const std::optional<ParallelFinding> parallel = findParallel(declinationFirst, declinationSecond, parallelOrb);
    if (!parallel) return std::nullopt;
    return parallelLineText(first, second, parallel->contra, parallel->difference);
}

}  // namespace helion
