// The time-zone table TZ.DAT.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/base/numeric_text.h"
#include "core/input/time_zone_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const helion::TimeZoneTable table =
        helion::parseTimeZoneTable(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const helion::TimeZoneEntry& zone : table.zones) helion::numericValue(zone.offset);
    return 0;
}
