#pragma once
// The aspects Cosmodynes scores, tested in a fixed order so that where two orbs overlap
// the first kind in the order wins.

#include <optional>

#include "core/config/aspect_orbs.h"

#include "core/cosmodynes/cosmodynes_tables.h"

namespace helion::cosmo {

struct CosmoAspect {
    Aspect aspect;
    double angle;  // exact angle in degrees
    int group;     // 1..5, the orb group
    int nature;    // +1 harmonious, -1 discordant, 0 neither
};

// The first aspect whose range (exact angle plus or minus the orb of its group, bounds
// included) holds the separation 0..180. A trine is taken only up to 130 degrees and a
// sesquiquadrate only beyond, so wide square-trine orbs never swallow it.
std::optional<CosmoAspect> classifyCosmoAspect(double separation, const GroupValues<double>& orbs);

}  // namespace helion::cosmo
