#include "core/config/orb_file.h"

#include "core/config/value_lines.h"

namespace helion {

namespace {

OrbTableLoad loadOver(const std::filesystem::path& file, const OrbTable& previous, bool valuesInUse) {
    OrbTableLoad load{previous, {}, {}, 0};
    ValueFile read = readValueFile(file, kOrbLines, "orb file");
    load.problems = std::move(read.lines.problems);
    if (read.error) {
        load.messages.push_back(valuesInUse ? read.errorKeepingValuesInUse() : *read.error);
        return load;
    }
    for (std::size_t i = 0; i < read.lines.values.size(); ++i) load.table.orb[i + 1] = read.lines.values[i];
    load.orbsRead = read.lines.values.size();
    return load;
}

}  // namespace

OrbTableLoad loadOrbTable(const std::filesystem::path& file, const OrbTable& previous) {
    return loadOver(file, previous, true);
}

OrbTableLoad loadOrbTable(const std::filesystem::path& file) { return loadOver(file, OrbTable{}, false); }

}  // namespace helion
