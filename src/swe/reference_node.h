#pragma once
// The Swiss Ephemeris library's mean lunar node, as an independent reference for the
// program's own node.

namespace helion {

// Longitude of the Moon's mean ascending node in degrees [0, 360) at a UT Julian day,
// referred to the mean equinox of date (no nutation), as the internal theory gives it.
double referenceMeanNode(double jdUt);

}  // namespace helion
