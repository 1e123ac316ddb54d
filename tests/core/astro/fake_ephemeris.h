#pragma once
// An ephemeris of uniform motions: every body moves at a fixed daily rate from its
// longitude at JD 2451545. Good for testing searches and bookkeeping without the library.

#include <array>

#include "core/astro/angles.h"
#include "core/astro/ephemeris.h"

namespace helion::test {

class FakeEphemeris final : public Ephemeris {
public:
    struct Motion {
        double longitudeAtEpoch;
        double degreesPerDay;
    };
    // Library body order: Sun, Moon, Mercury .. Pluto. Mercury and Saturn move backwards.
    std::array<Motion, 10> motions{{{280.46, 0.9856474},
                                    {218.316, 13.176396},
                                    {250.0, -0.5},
                                    {300.0, 1.2},
                                    {330.0, 0.5},
                                    {25.0, 0.08},
                                    {40.0, -0.03},
                                    {315.0, 0.01},
                                    {303.0, 0.006},
                                    {251.0, 0.0}}};

    // Moments before these Julian days come from the analytical theory, or not at all.
    double filesFromJd = 0.0;
    double computableFromJd = 0.0;

    LongitudeAndSpeed longitude(double jdUt, int body) const override {
        const Motion& m = motions[static_cast<std::size_t>(body)];
        return {normalize360(m.longitudeAtEpoch + m.degreesPerDay * (jdUt - 2451545.0)), m.degreesPerDay, reach(jdUt)};
    }
    double declination(double jdUt, int body) const override {
        return eclipticDeclination(longitude(jdUt, body).longitudeDeg, 23.44);
    }
    // Thirty-degree houses from the ARMC taken as a longitude.
    NaturalCusps housesAtArmc(HouseSystem, double armcDeg, double, double) const override {
        NaturalCusps house{};
        for (int h = 1; h <= 12; ++h)
            house[static_cast<std::size_t>(h)] = normalize360(armcDeg + 90.0 + 30.0 * (h - 1));
        return house;
    }

private:
    EphemerisReach reach(double jdUt) const {
        if (jdUt < computableFromJd) return EphemerisReach::Beyond;
        return jdUt < filesFromJd ? EphemerisReach::AnalyticalTheory : EphemerisReach::Files;
    }
};

}  // namespace helion::test
