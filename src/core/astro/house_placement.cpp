#include "core/astro/houses.h"

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr std::string_view kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH";
constexpr std::string_view kNoLabel = "    ";
constexpr std::size_t kFieldWidth = 10;

// Points are nudged forward by a tenth of an arc-second so that one lying on a cusp,
// as the Ascendant and Midheaven do, counts in the house that cusp opens.
constexpr double kCuspNudgeDeg = 1.0 / 36000.0;

bool liesBetween(double longitudeDeg, double fromDeg, double toDeg) {
    if (fromDeg <= toDeg) return fromDeg <= longitudeDeg && longitudeDeg < toDeg;
    return longitudeDeg >= fromDeg || longitudeDeg < toDeg;  // the house spans 0 degrees
}

}  // namespace

std::string_view houseLabel(int cuspEntry) {
    if (cuspEntry < 1 || cuspEntry > 12) return kNoLabel;
    return kHouseLabels.substr(static_cast<std::size_t>(cuspEntry - 1) * 4, 4);
}

std::string placeInHouses(const PointTable& longitude, const CuspTable& cusp) {
    std::string text;
    text.reserve(point::Count * kFieldWidth);
    for (int p = 1; p <= point::Count; ++p) {
        const double nudged = normalize360(longitude[p] + kCuspNudgeDeg);
        std::string_view label = kNoLabel;
        for (int entry = 1; entry <= 12; ++entry) {
            if (liesBetween(nudged, cusp[entry], cusp[entry == 12 ? 1 : entry + 1])) label = houseLabel(entry);
        }
        text.append(label);
        text.append(" HOUSE");
    }
    return text;
}

}  // namespace helion
