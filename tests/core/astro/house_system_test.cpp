#include "core/astro/house_system.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

// Older options files keep their numbers; the newer systems take numbers no older file
// uses; an unknown number is Placidus.
TEST(HouseSystem, OptionNumberGivesTheSystemItsCodeAndItsName) {
    const struct {
        double option27;
        char code;
        const char* name;
    } rows[] = {
        {1, 'P', "Placidus"}, {5, 'O', "Porphyry"}, {8, 'M', "Meridian"},   {13, 'T', "Topocentric"},
        {4, 'P', "Placidus"}, {0, 'P', "Placidus"}, {3.5, 'P', "Placidus"}, {14, 'P', "Placidus"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option27);
        const HouseSystem system = houseSystemFromOption(row.option27);
        EXPECT_EQ(static_cast<char>(system), row.code);
        EXPECT_EQ(houseSystemName(system), row.name);
        EXPECT_EQ(houseSystemFromCode(row.code), system);
    }
    EXPECT_FALSE(houseSystemFromCode('X'));
}

}  // namespace
}  // namespace helion
