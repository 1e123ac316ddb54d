#include "core/config/orb_file.h"

namespace helion {

namespace {

OrbTableLoad loadOver(const std::filesystem::path& file, const OrbTable& previous, bool valuesInUse) {
    OrbTableLoad load{{}, previous};
    static_cast<ValueTableRead&>(load) = readValueTable(file, load.table.orb, "orb file", valuesInUse);
    return load;
}

}  // namespace

OrbTableLoad loadOrbTable(const std::filesystem::path& file, const OrbTable& previous) {
    return loadOver(file, previous, true);
}

OrbTableLoad loadOrbTable(const std::filesystem::path& file) { return loadOver(file, OrbTable{}, false); }

}  // namespace helion
