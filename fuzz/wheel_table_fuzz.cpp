// The wheels' integer tables HCDATA.DAT (121 values) and RADIUS.DAT (361 values).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/wheels/wheel_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    helion::wheelTableProblems(helion::WheelTable::CuspLabels,
                               helion::parseIntegerTable(text, helion::kCuspLabelEntries));
    helion::wheelTableProblems(helion::WheelTable::GlyphRadii,
                               helion::parseIntegerTable(text, helion::kGlyphRadiusEntries));
    return 0;
}
