// The files of one number per line: the options files (OPTIONS.OPT, OPTIONS.MAS) and the
// orb files (*.ORB) share this reader, and the data check's ranges read its values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/value_ranges.h"
#include "core/config/value_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const helion::ValueLines lines =
        helion::parseValueLines(std::string_view(reinterpret_cast<const char*>(data), size));
    helion::valuesOutsideRanges(lines.values, helion::optionRanges());
    helion::valuesOutsideRanges(lines.values, helion::orbRanges());
    return 0;
}
