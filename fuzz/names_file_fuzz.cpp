// A names file (NAMES.FIL, any *.FIL) and every record in it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/input/names_file.h"
#include "core/input/names_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const helion::NamesFile file = helion::parseNamesFile(text);
    for (const helion::NameRecord& record : file.records) helion::parseNamesRecord(record.text);
    return 0;
}
