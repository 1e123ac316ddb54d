#pragma once
// Orb files (*.ORB): one orb in degrees per line, line k giving the orb of aspect
// code k + 1 (conjunction, sextile, square, trine, opposition, parallel, semi-sextile,
// semi-square, sesquisquare, quincunx, the quintile family and nonagen, two spare).
// The wheels and the aspect grid read the current orb file before every drawing.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/config/value_lines.h"

namespace helion {

inline constexpr int kOrbLines = 17;

// Entry k holds the orb of aspect code k + 1 (see orbEntry); entry 0 is never used.
struct OrbTable {
    std::array<float, kOrbLines + 1> orb{};
};

// The orb file each wheel mode makes current. The triple wheels keep the current one.
namespace orb_file {
inline constexpr std::string_view Natal = "NATAL.ORB";                  // start-up, single natal wheel
inline constexpr std::string_view NatalProgressed = "NAT2PROG.ORB";     // progressed vs natal
inline constexpr std::string_view NatalMinorProgressed = "NAT2SA.ORB";  // minor progressed vs natal
inline constexpr std::string_view NatalTransits = "NAT2TRAN.ORB";       // transits vs natal
inline constexpr std::string_view Synastry = "SYNASTRY.ORB";            // second person vs natal
inline constexpr std::array<std::string_view, 5> kShipped{Natal, NatalProgressed, NatalMinorProgressed, NatalTransits,
                                                          Synastry};
}  // namespace orb_file

struct OrbTableLoad : ValueTableRead {
    OrbTable table;  // the previous table where the file gave no line or failed
};

// Reads an orb file over the previous table. A file that cannot be opened, is not
// text, holds no orb or more than 17 orb lines leaves the previous table whole.
// A message that the file cannot be used adds that the values in use are kept.
OrbTableLoad loadOrbTable(const std::filesystem::path& file, const OrbTable& previous);
// Reads an orb file where no orbs are in use yet (the data check).
OrbTableLoad loadOrbTable(const std::filesystem::path& file);

}  // namespace helion
