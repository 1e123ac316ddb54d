#include "core/cosmodynes/progressed_cosmodynes.h"

#include <algorithm>
#include <cmath>

#include "core/aspects/classifier.h"
#include "core/astro/houses.h"
#include "core/cosmodynes/cosmo_classifier.h"
#include "core/cosmodynes/cosmodynes_tables.h"

namespace helion {

using namespace cosmo;

namespace {

constexpr GroupValues<double> kOneDegreeOrbs{1, 1, 1, 1, 1};
constexpr int kTablePoints = 12;

// The point at table position 1..12.
Point pointAt(int position) { return kScoredPoints[position - 1]; }

// Whether aspect point `member` (1..24) is the progressed `point`.
bool isProgressed(int member, Point point) { return member <= kTablePoints && pointAt(member) == point; }

// The progressed Moon moves so fast that its shares and aspects count for less.
double shareDivisor(int position) { return isProgressed(position, Point::Moon) ? 14.0 : 2.0; }

struct Share {
    double power;
    double net;
};

Share progressedShare(const CosmoSummary& power, const CosmoSummary& net, const ProgressedCosmodynes& result,
                      int position) {
    const Point p = pointAt(position);
    const double divisor = shareDivisor(position);
    const double dignity = p <= Point::Moon ? result.dignityHarmony[p] - result.dignityDiscord[p] : 0.0;
    return {power[position] / divisor, net[position] / divisor + dignity / divisor};
}

// An aspect point's house class: the stronger of the natal and the progressed house of
// its point.
HouseClass memberClass(int member, const PointHouses& natalHouses, const PointHouses& progressedHouses) {
    const Point p = pointAt(member > kTablePoints ? member - kTablePoints : member);
    return std::max(houseClassOf(natalHouses[p]), houseClassOf(progressedHouses[p]));
}

// The progressed Sun, Mercury and Moon weigh their aspects more.
const GroupValues<double>& factorsOf(int member, HouseClass houseClass) {
    const ClassFactors& factors = kProgressedFactors[static_cast<int>(houseClass)];
    const bool personal =
        isProgressed(member, Point::Sun) || isProgressed(member, Point::Mercury) || isProgressed(member, Point::Moon);
    return personal ? factors.personal : factors.plain;
}

double natureHarmony(int position, double power) {
    double harmony = 0.0;
    for (const PlanetNature& nature : kPlanetNatures) {
        if (pointAt(position) == nature.planet) harmony += (nature.harmony ? 1.0 : -1.0) * nature.share * power;
    }
    return harmony;
}

void scoreAspects(const NatalCosmodynes& score, const ChartPositions& natal, const ChartPositions& progressed,
                  ProgressedCosmodynes& result) {
    auto longitudeOf = [&](int member) {
        return member > kTablePoints ? natal.longitude[pointAt(member - kTablePoints)]
                                     : progressed.longitude[pointAt(member)];
    };
    for (int i = 1; i <= kTablePoints; ++i) {
        for (int j = i + 1; j <= 2 * kTablePoints; ++j) {
            const double separation = separationOf(longitudeOf(i), longitudeOf(j));
            const auto aspect = classifyCosmoAspect(separation, kOneDegreeOrbs);
            if (!aspect) continue;
            const int group = aspect->group - 1;
            const double factor = std::max(factorsOf(i, memberClass(i, natal.house, result.house))[group],
                                           factorsOf(j, memberClass(j, natal.house, result.house))[group]);
            const int a = i;
            const int b = j > kTablePoints ? j - kTablePoints : j;
            double full = (score.natalCosmoPower[a] + score.natalCosmoPower[b]) / 2.0 * factor;
            if (isProgressed(i, Point::Moon) || isProgressed(j, Point::Moon)) full /= 7.0;
            const double minutesOff = std::abs(separation - aspect->angle) * 60.0;
            const double power = full - full * minutesOff / 120.0;

            double harmony = natureHarmony(a, power) + natureHarmony(b, power) + aspect->nature * power;
            if (pointAt(a) <= Point::Moon && pointAt(b) <= Point::Moon &&
                inMutualReception(pointAt(a), signOf(longitudeOf(i)), pointAt(b), signOf(longitudeOf(j)))) {
                harmony += 2.5;
            }
            result.addedPower[a] += power;
            result.addedPower[b] += power;
            result.addedHarmony[a] += harmony;
            result.addedHarmony[b] += harmony;
            result.aspects.push_back({i, j, aspect->aspect, power, harmony});
        }
    }
}

}  // namespace

ProgressedCosmodynes computeProgressedCosmodynes(const NatalCosmodynes& natalScore, const ChartPositions& natal,
                                                 const ChartPositions& progressed) {
    ProgressedCosmodynes result;
    const CosmoSummary& power = natalScore.natalCosmoPower;
    const CosmoSummary& net = natalScore.natalCosmoNet;
    result.house = placeInHouses(progressed.longitude, natal.cusp);

    for (const Point p : kBodies) {
        const Dignity dignity = dignityOf(p, signOf(progressed.longitude[p]));
        result.dignityHarmony[p] = dignity.harmony;
        result.dignityDiscord[p] = dignity.discord;
    }

    for (int i = 1; i <= 12; ++i) {
        result.signPower[i] = power[12 + i];
        result.signNet[i] = net[12 + i];
        result.housePower[i] = power[24 + i];
        result.houseNet[i] = net[24 + i];
    }
    for (int position = 1; position <= kTablePoints; ++position) {
        const Point p = pointAt(position);
        const Share share = progressedShare(power, net, result, position);
        const int sign = signOf(progressed.longitude[p]);
        result.signPower[sign] += share.power;
        result.signNet[sign] += share.net;
        if (const int house = result.house[p]; house != 0) {
            result.housePower[house] += share.power;
            result.houseNet[house] += share.net;
        }
    }

    scoreAspects(natalScore, natal, progressed, result);
    for (int house = 1; house <= kHouseCount; ++house) result.harmonyGain += result.houseNet[house] - net[24 + house];
    return result;
}

}  // namespace helion
