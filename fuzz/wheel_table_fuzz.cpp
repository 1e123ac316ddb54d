// The wheels' integer tables HCDATA.DAT (121 values) and RADIUS.DAT (361 values).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/config/wheel_data_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    helion::parseIntegerTable(text, helion::kCuspLabelFile, helion::kCuspLabelEntries);
    helion::parseIntegerTable(text, helion::kGlyphRadiusFile, helion::kGlyphRadiusEntries);
    return 0;
}
