#include "swe/reference_houses.h"

#include <swephexp.h>

namespace helion {
namespace {

ReferenceHouses fromLibrary(const double (&cusps)[13], const double (&ascmc)[10], int status) {
    ReferenceHouses houses;
    for (int h = 1; h <= 12; ++h) houses.cusp[h] = cusps[h];
    houses.ascendantDeg = ascmc[SE_ASC];
    houses.midheavenDeg = ascmc[SE_MC];
    houses.armcDeg = ascmc[SE_ARMC];
    houses.ok = status == OK;
    return houses;
}

}  // namespace

ReferenceHouses referenceHouses(double jdUt, double latitudeDeg, double eastLongitudeDeg, char system,
                                bool withoutNutation) {
    double cusps[13] = {};
    double ascmc[10] = {};
    const int status = withoutNutation
                           ? swe_houses_ex(jdUt, SEFLG_NONUT, latitudeDeg, eastLongitudeDeg, system, cusps, ascmc)
                           : swe_houses(jdUt, latitudeDeg, eastLongitudeDeg, system, cusps, ascmc);
    return fromLibrary(cusps, ascmc, status);
}

ReferenceHouses referenceHousesFromArmc(double armcDeg, double latitudeDeg, double obliquityDeg, char system) {
    double cusps[13] = {};
    double ascmc[10] = {};
    const int status = swe_houses_armc(armcDeg, latitudeDeg, obliquityDeg, system, cusps, ascmc);
    return fromLibrary(cusps, ascmc, status);
}

double referenceJulianDay(int year, int month, int day, double hourUt) {
    return swe_julday(year, month, day, hourUt, SE_GREG_CAL);
}

}  // namespace helion
