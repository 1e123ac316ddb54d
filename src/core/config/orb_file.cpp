#include "core/config/orb_file.h"

#include "core/config/value_lines.h"

namespace helion {

OrbTableLoad loadOrbTable(const std::filesystem::path& file, const OrbTable& previous) {
    OrbTableLoad load{previous, {}, {}, 0};
    ValueFile read = readValueFile(file, kOrbLines, "orb file");
    load.problems = std::move(read.lines.problems);
    if (read.error) {
        load.messages.push_back(*read.error);
        return load;
    }
    for (std::size_t i = 0; i < read.lines.values.size(); ++i) load.table.orb[i + 1] = read.lines.values[i];
    load.orbsRead = read.lines.values.size();
    return load;
}

}  // namespace helion
