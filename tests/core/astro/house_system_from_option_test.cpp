#include "core/astro/house_system.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

// Option 27 keeps the older systems at their old numbers; 4, 6, 7 and anything else
// unknown fall back to Placidus.
TEST(HouseSystemFromOption, EachNumberNamesItsSystemAndUnknownOnesPlacidus) {
    const struct {
        double option27;
        HouseSystem system;
    } rows[] = {
        {1, HouseSystem::Placidus},     {2, HouseSystem::Regiomontanus}, {3, HouseSystem::Koch},
        {5, HouseSystem::Porphyry},     {8, HouseSystem::Meridian},      {9, HouseSystem::Equal},
        {10, HouseSystem::WholeSign},   {11, HouseSystem::Campanus},     {12, HouseSystem::Alcabitius},
        {13, HouseSystem::Topocentric}, {4, HouseSystem::Placidus},      {0, HouseSystem::Placidus},
        {3.5, HouseSystem::Placidus},   {-3, HouseSystem::Placidus},     {14, HouseSystem::Placidus},
    };
    for (const auto& row : rows) EXPECT_EQ(houseSystemFromOption(row.option27), row.system) << row.option27;
}

}  // namespace
}  // namespace helion
