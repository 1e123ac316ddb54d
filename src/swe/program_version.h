#pragma once
// The version line every front end shows (helion --version, helion-cli --version, the About
// window): Helion's own version and that of the Swiss Ephemeris library it runs on, whose
// release decides the planets' positions in every chart.

#include <string>

namespace helion {

// The library's own version string, for example "2.10.03".
std::string swissEphemerisVersion();

// "Helion 0.1.0 (Swiss Ephemeris 2.10.03)".
std::string versionText();

}  // namespace helion
