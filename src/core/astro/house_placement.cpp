#include "core/astro/houses.h"

#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr std::string_view kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH";
constexpr std::string_view kNoLabel = "    ";

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

std::string_view labelOfHouse(int house) {
    // Cusp entry k holds house ((k + 8) mod 12) + 1.
    return house >= 1 && house <= 12 ? houseLabel((house + 2) % 12 + 1) : kNoLabel;
}

PointHouses placeInHouses(const PointTable& longitude, const CuspTable& cusp) {
    PointHouses house{};
    for (const Point p : kAllPoints) {
        const double nudged = normalize360(longitude[p] + kCuspNudgeDeg);
        for (int entry = 1; entry <= 12; ++entry) {
            if (liesBetween(nudged, cusp[entry], cusp[entry == 12 ? 1 : entry + 1])) house[p] = (entry + 8) % 12 + 1;
        }
    }
    return house;
}

}  // namespace helion
