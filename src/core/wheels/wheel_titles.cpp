#include "core/wheels/wheel_titles.h"

#include <cmath>

#include "core/input/input_window_logic.h"
#include "core/reports/angle_text.h"
#include "core/reports/number_format.h"

namespace helion {

std::array<std::string, 7> placeTitleLines(const ChartInput& input, std::string firstLine) {
    const std::string zone = (input.zone >= 0 ? " " : "") + numberText(input.zone);
    return {std::move(firstLine),
            formatDate({input.year, input.month, input.day}),
            formatNumber(input.time, "#0.00") + " " + meridiemText(input.meridiem) + " (" + zone + ")",
            formatNumber(std::fabs(input.longitude), "##0.00") + (input.longitude >= 0 ? " W" : " E"),
            formatNumber(std::fabs(input.latitude), "#0.00") + (input.latitude >= 0 ? " N" : " S"),
            "",
            ""};
}

std::array<std::string, 7> natalTitleLines(const ChartInput& input, const std::string& name, int siderealSeconds,
                                           HouseSystem system) {
    auto lines = placeTitleLines(input, name + " - natal");
    lines[5] = siderealTimeText(siderealSeconds);
    lines[6] = std::string(houseSystemName(system));
    return lines;
}

}  // namespace helion
