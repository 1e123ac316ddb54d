#include "swe/swiss_ephemeris.h"

#include <swephexp.h>

#include <string>
#include <system_error>

namespace helion {
namespace {

constexpr int32 kEclipticFlags = SEFLG_SWIEPH | SEFLG_SPEED;                       // 258
constexpr int32 kPositionFlags = SEFLG_SWIEPH;                                     // 2
constexpr int32 kEquatorialFlags = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_EQUATORIAL;  // 2306
static_assert(kEclipticFlags == 258 && kEquatorialFlags == 2306 && kPositionFlags == 2);

bool holdsEphemerisFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".se1") return true;
    }
    return false;
}

struct Coordinates {
    double values[6];
    EphemerisReach reach;
};

// A negative return is the library's error (the moment is outside every ephemeris it
// has); a return without the files flag means it fell back to its analytical theory
// because no file covers the moment, and its error text then says which file it missed.
EphemerisReach reachOf(int32 returned) {
    if (returned < 0) return EphemerisReach::Beyond;
    return (returned & SEFLG_SWIEPH) != 0 ? EphemerisReach::Files : EphemerisReach::AnalyticalTheory;
}

Coordinates calculate(double jdUt, int body, int32 flags) {
    Coordinates c{};
    char error[AS_MAXCH] = "";
    c.reach = reachOf(swe_calc(jdUt + swe_deltat(jdUt), body, flags, c.values, error));
    return c;
}

// The library names the house systems by the same letters as the program, except
// Meridian, which it calls 'X' ('M' is Morinus there).
int libraryHouseLetter(HouseSystem system) { return system == HouseSystem::Meridian ? 'X' : static_cast<char>(system); }

// The kind bits of the library's eclipse searches; the most complete kind wins.
EclipseKind eclipseKindOf(int32 returned) {
    if ((returned & SE_ECL_ANNULAR_TOTAL) != 0) return EclipseKind::Hybrid;
    if ((returned & SE_ECL_TOTAL) != 0) return EclipseKind::Total;
    if ((returned & SE_ECL_ANNULAR) != 0) return EclipseKind::Annular;
    if ((returned & SE_ECL_PARTIAL) != 0) return EclipseKind::Partial;
    return EclipseKind::Penumbral;
}

std::optional<EclipseFound> eclipseOf(int32 returned, const double* moments) {
    if (returned <= 0) return std::nullopt;
    return EclipseFound{moments[0], eclipseKindOf(returned)};
}

}  // namespace

std::filesystem::path ephemerisPath(const std::filesystem::path& programFolder) {
    if (holdsEphemerisFiles(programFolder)) return programFolder;
    return HELION_SYSTEM_EPHE_DIR;
}

SwissEphemeris::SwissEphemeris(const std::filesystem::path& ephemerisFolder) {
    std::string path = ephemerisFolder.string();
    swe_set_ephe_path(path.data());
}

SwissEphemeris::~SwissEphemeris() { swe_close(); }

LongitudeAndSpeed SwissEphemeris::longitude(double jdUt, int body) const {
    const Coordinates c = calculate(jdUt, body, kEclipticFlags);
    return {c.values[0], c.values[3], c.reach};
}

double SwissEphemeris::longitudeWithoutSpeed(double jdUt, int body) const {
    return calculate(jdUt, body, kPositionFlags).values[0];
}

double SwissEphemeris::declination(double jdUt, int body) const {
    return calculate(jdUt, body, kEquatorialFlags).values[1];
}

NaturalCusps SwissEphemeris::housesAtArmc(HouseSystem system, double armcDeg, double latitudeDeg,
                                          double obliquityDeg) const {
    double cusps[13] = {};
    double ascmc[10] = {};
    swe_houses_armc(armcDeg, latitudeDeg, obliquityDeg, libraryHouseLetter(system), cusps, ascmc);
    NaturalCusps house{};
    std::copy(std::begin(cusps), std::end(cusps), house.begin());
    return house;
}

std::optional<EclipseFound> SwissEphemeris::nextSolarEclipse(double jdUt) const {
    double moments[10] = {};
    char error[AS_MAXCH] = "";
    return eclipseOf(swe_sol_eclipse_when_glob(jdUt, SEFLG_SWIEPH, 0, moments, 0, error), moments);
}

std::optional<EclipseFound> SwissEphemeris::nextLunarEclipse(double jdUt) const {
    double moments[10] = {};
    char error[AS_MAXCH] = "";
    return eclipseOf(swe_lun_eclipse_when(jdUt, SEFLG_SWIEPH, 0, moments, 0, error), moments);
}

}  // namespace helion
