// A cities file (GA_MA.LL, any *.LL) and the coordinates of every place in it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/input/cities_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const helion::CitiesFile file = helion::parseCitiesFile(text);
    for (const helion::CityRecord& city : file.records) helion::decodeCity(city);
    return 0;
}
