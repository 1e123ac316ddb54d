#include "core/cosmodynes/sign_house_values.h"

namespace helion::cosmo {
namespace {

// The share of the ruler's values by the number of cusps in the sign (0, 1, 2, 3); a
// sign holding four or more cusps takes none.
constexpr std::array<double, 4> kRulerShareByCusps{0.25, 0.5, 1.0, 2.0};

// The power, harmony and discord of one sign or one house.
struct ScoreCell {
    double& power;
    double& harmony;
    double& discord;
};

ScoreCell signCell(NatalCosmodynes& cosmo, int sign) {
    return {cosmo.signPower[sign], cosmo.signHarmony[sign], cosmo.signDiscord[sign]};
}

ScoreCell houseCell(NatalCosmodynes& cosmo, int house) {
    return {cosmo.housePower[house], cosmo.houseHarmony[house], cosmo.houseDiscord[house]};
}

void addRulerValues(const NatalCosmodynes& cosmo, int sign, double share, ScoreCell into) {
    into.power += share * rulerValue(cosmo.planetPower, sign);
    into.harmony += share * rulerValue(cosmo.planetHarmony, sign);
    into.discord += share * rulerValue(cosmo.planetDiscord, sign);
}

void addPointValues(const NatalCosmodynes& cosmo, Point point, ScoreCell into) {
    into.power += cosmo.planetPower[point];
    into.harmony += cosmo.planetHarmony[point];
    into.discord += cosmo.planetDiscord[point];
}

int wrapSign(int sign) { return sign > kSignCount ? sign - kSignCount : sign; }

}  // namespace

double rulerValue(const PointTable& values, int sign) {
    const Rulership& ruler = kRulers[sign];
    if (!ruler.second) return values[ruler.first];
    return (values[ruler.first] + values[*ruler.second]) / 2.0;
}

void scoreSigns(const ChartPositions& natal, NatalCosmodynes& cosmo) {
    for (int sign = 1; sign <= kSignCount; ++sign) {
        const int cusps = cosmo.cuspsInSign[sign];
        if (cusps < static_cast<int>(kRulerShareByCusps.size())) {
            addRulerValues(cosmo, sign, kRulerShareByCusps[cusps], signCell(cosmo, sign));
        }
    }
    for (const Point p : kScoredPoints) {
        addPointValues(cosmo, p, signCell(cosmo, signOf(natal.longitude[p])));
    }
}

void scoreHouses(const ChartPositions& natal, NatalCosmodynes& cosmo) {
    for (int house = 1; house <= kHouseCount; ++house) {
        const int cuspSign = signOf(cosmo.cosmoCusp[house]);
        int nextCuspSign = signOf(cosmo.cosmoCusp[house == kHouseCount ? 1 : house + 1]);
        if (nextCuspSign < cuspSign) nextCuspSign += kSignCount;
        addRulerValues(cosmo, cuspSign, 0.5, houseCell(cosmo, house));
        for (int intercepted = cuspSign + 1; intercepted < nextCuspSign; ++intercepted) {
            addRulerValues(cosmo, wrapSign(intercepted), 0.25, houseCell(cosmo, house));
        }
    }
    for (const Point p : kBodies) {
        const int house = natal.house[p];
        if (house != 0) addPointValues(cosmo, p, houseCell(cosmo, house));
    }
    addPointValues(cosmo, Point::Ascendant, houseCell(cosmo, 1));
    addPointValues(cosmo, Point::Midheaven, houseCell(cosmo, 10));
}

}  // namespace helion::cosmo
