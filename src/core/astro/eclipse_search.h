#pragma once
// The next solar or lunar eclipse after a moment. Eclipses depend on the Moon's latitude
// and the shadow cones, which the longitudes of the Ephemeris interface do not give; the
// ephemeris library searches them itself (src/swe).

#include <optional>

namespace helion {

enum class EclipseKind { Total, Annular, Hybrid, Partial, Penumbral };

struct EclipseFound {
    double jdUt = 0.0;  // the moment of greatest eclipse
    EclipseKind kind = EclipseKind::Partial;
};

class EclipseSearch {
public:
    virtual ~EclipseSearch() = default;
    // The first eclipse of its kind whose greatest moment follows jdUt; empty when the
    // library cannot search there.
    virtual std::optional<EclipseFound> nextSolarEclipse(double jdUt) const = 0;
    virtual std::optional<EclipseFound> nextLunarEclipse(double jdUt) const = 0;
};

}  // namespace helion
