#include "swe/program_version.h"

#include <swephexp.h>

namespace helion {

std::string swissEphemerisVersion() {
    char version[AS_MAXCH] = "";
    swe_version(version);
    return version;
}

std::string versionText() {
    return std::string("Helion ") + HELION_VERSION + " (Swiss Ephemeris " + swissEphemerisVersion() + ")";
}

}  // namespace helion
