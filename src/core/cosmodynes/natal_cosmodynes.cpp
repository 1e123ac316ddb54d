#include "core/cosmodynes/natal_cosmodynes.h"

#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/cosmodynes/natal_pair_scoring.h"
#include "core/cosmodynes/ranking.h"
#include "core/cosmodynes/sign_house_values.h"

namespace helion {

using namespace cosmo;

namespace {

// House placement counts a point lying up to a tenth of an arc-second before a cusp as
// already past it; such a point stands on the cusp, not nearly 360 degrees beyond it.
// The margin is twice that nudge so that rounding at its very edge cannot slip through.
constexpr double kOnCuspDeg = 2.0 / 36000.0;

double degreesAfter(double fromDeg, double toDeg) {
    const double difference = toDeg - fromDeg;
    return difference < 0.0 ? difference + 360.0 : difference;
}

// The stored cusp table starts at the 10th house; entry k holds house ((k + 8) mod 12) + 1.
CuspTable cuspsInHouseOrder(const CuspTable& stored) {
    CuspTable byHouse{};
    for (int house = 1; house <= kHouseCount; ++house) byHouse[house] = stored[(house + 2) % 12 + 1];
    return byHouse;
}

void scoreHousePositions(const ChartPositions& natal, NatalCosmodynes& cosmo) {
    for (int house = 1; house <= kHouseCount; ++house) {
        cosmo.houseSpan[house] =
            degreesAfter(cosmo.cosmoCusp[house], cosmo.cosmoCusp[house == kHouseCount ? 1 : house + 1]);
    }
    for (const Point p : kBodies) {
        const int house = natal.house[p];
        if (house == 0) continue;
        double distance = degreesAfter(cosmo.cosmoCusp[house], natal.longitude[p]);
        if (distance > 360.0 - kOnCuspDeg) distance = 0.0;
        cosmo.cuspDistance[p] = distance;
        const HouseStrength strength = kHouseStrength[house];
        cosmo.housePositionPower[p] = strength.base - strength.drop * distance / cosmo.houseSpan[house];
    }
}

void scoreReceptionAndDignity(const ChartPositions& natal, NatalCosmodynes& cosmo) {
    for (const Point x : kBodies) {
        for (const Point y : kBodies) {
            if (y <= x) continue;
            if (!inMutualReception(x, signOf(natal.longitude[x]), y, signOf(natal.longitude[y]))) continue;
            cosmo.planetHarmony[x] += 5.0;
            cosmo.planetHarmony[y] += 5.0;
        }
    }
    for (const Point p : kBodies) {
        const Dignity dignity = dignityOf(p, signOf(natal.longitude[p]));
        cosmo.planetHarmony[p] += dignity.harmony;
        cosmo.planetDiscord[p] += dignity.discord;
    }
}

void fillSummary(NatalCosmodynes& cosmo) {
    for (int i = 1; i <= 12; ++i) {
        const Point p = kScoredPoints[i - 1];
        cosmo.natalCosmoPower[i] = cosmo.planetPower[p];
        cosmo.natalCosmoNet[i] = cosmo.planetHarmony[p] - cosmo.planetDiscord[p];
        cosmo.natalCosmoPower[12 + i] = cosmo.signPower[i];
        cosmo.natalCosmoNet[12 + i] = cosmo.signHarmony[i] - cosmo.signDiscord[i];
        cosmo.natalCosmoPower[24 + i] = cosmo.housePower[i];
        cosmo.natalCosmoNet[24 + i] = cosmo.houseHarmony[i] - cosmo.houseDiscord[i];
    }
}

}  // namespace

NatalCosmodynes computeNatalCosmodynes(const ChartPositions& natal) {
    NatalCosmodynes cosmo;
    cosmo.cosmoCusp = cuspsInHouseOrder(natal.cusp);
    scoreHousePositions(natal, cosmo);

    // The angles draw no power from a house; they start from a fixed power instead.
    cosmo.aspectPower[Point::Ascendant] = 15.0;
    cosmo.aspectPower[Point::Midheaven] = 15.0;
    scoreAspectsAndParallels(natal, cosmo);
    for (const Point p : kAllPoints) cosmo.planetPower[p] = cosmo.housePositionPower[p] + cosmo.aspectPower[p];

    scoreReceptionAndDignity(natal, cosmo);
    for (int house = 1; house <= kHouseCount; ++house) ++cosmo.cuspsInSign[signOf(cosmo.cosmoCusp[house])];
    scoreSigns(natal, cosmo);
    scoreHouses(natal, cosmo);
    fillSummary(cosmo);
    cosmo.rankedPoint = rankDescending(kScoredPoints, [&](Point p) { return cosmo.planetPower[p]; });
    return cosmo;
}

}  // namespace helion
