#include "swe/swiss_ephemeris.h"

#include <swephexp.h>

#include <string>
#include <system_error>

namespace helion {
namespace {

constexpr int32 kEclipticFlags = SEFLG_SWIEPH | SEFLG_SPEED;                       // 258
constexpr int32 kEquatorialFlags = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_EQUATORIAL;  // 2306
static_assert(kEclipticFlags == 258 && kEquatorialFlags == 2306);

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

double SwissEphemeris::declination(double jdUt, int body) const {
    return calculate(jdUt, body, kEquatorialFlags).values[1];
}

}  // namespace helion
