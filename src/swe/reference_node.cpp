#include "swe/reference_node.h"

#include <swephexp.h>

namespace helion {

double referenceMeanNode(double jdUt) {
    double values[6] = {};
    char error[AS_MAXCH] = "";
    // The mean node is analytical: no ephemeris file is read, so the return code (an
    // error only for an invalid body or date) leaves the array as computed.
    swe_calc_ut(jdUt, SE_MEAN_NODE, SEFLG_SWIEPH | SEFLG_NONUT, values, error);
    return values[0];
}

}  // namespace helion
