#include "core/cosmodynes/natal_pair_scoring.h"

#include <algorithm>
#include <cmath>

#include "core/aspects/classifier.h"
#include "core/cosmodynes/cosmo_classifier.h"

namespace helion::cosmo {
namespace {

struct PointOrbs {
    GroupValues<double> detection{};  // finds the aspect
    GroupValues<double> strength{};   // measures it
    double parallel = 0.0;
};

GroupValues<double> asDoubles(const GroupValues<int>& orbs) {
    GroupValues<double> values{};
    std::ranges::transform(orbs, values.begin(), [](int orb) { return static_cast<double>(orb); });
    return values;
}

GroupValues<double> largerOfEach(const GroupValues<double>& a, const GroupValues<double>& b) {
    GroupValues<double> values{};
    std::ranges::transform(a, b, values.begin(), [](double x, double y) { return std::max(x, y); });
    return values;
}

// The angles count as angular points; the luminaries see and weigh aspects widely, and
// Mercury weighs them as widely as the luminaries. A parallel takes the orb of the
// conjunction by which its strength is weighed.
PointOrbs orbsOf(Point point, const PointHouses& houses) {
    const bool angle = point == Point::Ascendant || point == Point::Midheaven;
    const HouseClassOrbs& orbs = orbsOfHouseClass(angle ? HouseClass::Angular : houseClassOf(houses[point]));
    const bool luminary = point == Point::Sun || point == Point::Moon;
    const bool wideStrength = luminary || point == Point::Mercury;
    const GroupOrbs& strength = wideStrength ? orbs.luminary : orbs.plain;
    constexpr std::size_t kConjunctionGroup = 4;
    return {asDoubles(luminary ? orbs.luminary : orbs.plain), asDoubles(strength),
            static_cast<double>(strength[kConjunctionGroup])};
}

// One visit from point p to point q; the grid keeps power above its diagonal and net
// harmony below it, each cell rounded to single precision as it is stored.
class PairVisit {
public:
    PairVisit(NatalCosmodynes& cosmo, Point p, Point q) : cosmo_(cosmo), p_(p), q_(q) {}

    void addPower(double s) {
        cosmo_.aspectPower[p_] += s;
        if (p_ < q_) addToGrid(s);
    }
    void addHarmony(double s) {
        cosmo_.planetHarmony[p_] += s;
        if (p_ > q_) addToGrid(s);
    }
    void addDiscord(double s) {
        cosmo_.planetDiscord[p_] += s;
        if (p_ > q_) addToGrid(-s);
    }
    void addNatures(double s) {
        for (const PlanetNature& nature : kPlanetNatures) {
            if (p_ != nature.planet && q_ != nature.planet) continue;
            if (nature.harmony)
                addHarmony(s * nature.share);
            else
                addDiscord(s * nature.share);
        }
    }

private:
    void addToGrid(double s) {
        float& cell = cosmo_.aspectGrid[p_][q_];
        cell = static_cast<float>(cell + s);
    }

    NatalCosmodynes& cosmo_;
    Point p_;
    Point q_;
};

void scoreVisit(const ChartPositions& natal, const PointArray<PointOrbs>& orbs, Point p, Point q,
                NatalCosmodynes& cosmo) {
    PairVisit visit(cosmo, p, q);
    const double separation = separationOf(natal.longitude[p], natal.longitude[q]);
    if (const auto aspect = classifyCosmoAspect(separation, largerOfEach(orbs[p].detection, orbs[q].detection))) {
        const int group = aspect->group - 1;
        const double strengthOrb = std::max(orbs[p].strength[group], orbs[q].strength[group]);
        const double s = strengthOrb - std::abs(separation - aspect->angle);
        visit.addPower(s);
        if (aspect->nature > 0) visit.addHarmony(s);
        if (aspect->nature < 0) visit.addDiscord(s);
        visit.addNatures(s);
    }
    // Parallels and contra-parallels alike: only the distance from the equator counts.
    const double difference = std::abs(std::abs(natal.declination[p]) - std::abs(natal.declination[q]));
    if (difference < 1.0) {
        const double s = std::max(orbs[p].parallel, orbs[q].parallel) * (1.0 - difference);
        visit.addPower(s);
        visit.addNatures(s);
    }
}

}  // namespace

void scoreAspectsAndParallels(const ChartPositions& natal, NatalCosmodynes& cosmo) {
    PointArray<PointOrbs> orbs{};
    for (const Point p : kScoredPoints) orbs[p] = orbsOf(p, natal.house);
    for (const Point p : kScoredPoints) {
        for (const Point q : kScoredPoints) {
            if (p != q) scoreVisit(natal, orbs, p, q, cosmo);
        }
    }
}

}  // namespace helion::cosmo
