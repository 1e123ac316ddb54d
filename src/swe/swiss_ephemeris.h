#pragma once
// The Swiss Ephemeris behind the program's Ephemeris interface. The library keeps its
// state (ephemeris path, open files) in globals; one SwissEphemeris object made at
// start-up owns that state for the whole run.

#include <filesystem>

#include "core/astro/eclipse_search.h"
#include "core/astro/ephemeris.h"

namespace helion {

// The folder handed to the library: the program folder when it holds Swiss Ephemeris
// data files (*.se1), otherwise the folder of Debian's swe-basic-data package.
std::filesystem::path ephemerisPath(const std::filesystem::path& programFolder);

class SwissEphemeris final : public Ephemeris, public EclipseSearch {
public:
    explicit SwissEphemeris(const std::filesystem::path& ephemerisFolder);
    ~SwissEphemeris() override;
    SwissEphemeris(const SwissEphemeris&) = delete;
    SwissEphemeris& operator=(const SwissEphemeris&) = delete;

    // Ecliptic longitude of date with speed (flags 258: Swiss Ephemeris files + speed), and
    // its reach from the call's return flags.
    LongitudeAndSpeed longitude(double jdUt, int body) const override;
    // The same without the speed (flags 2), which spares the library a second nutation.
    double longitudeWithoutSpeed(double jdUt, int body) const override;
    // Declination (flags 2306: files + speed + equatorial coordinates).
    double declination(double jdUt, int body) const override;
    // swe_houses_armc; above the polar circles, where a system is undefined, the library
    // gives Porphyry cusps instead.
    NaturalCusps housesAtArmc(HouseSystem system, double armcDeg, double latitudeDeg,
                              double obliquityDeg) const override;
    // The library's global eclipse searches, with the same ephemeris files.
    std::optional<EclipseFound> nextSolarEclipse(double jdUt) const override;
    std::optional<EclipseFound> nextLunarEclipse(double jdUt) const override;
};

}  // namespace helion
