// An atlas program's TSRTEMP.TXT as the input windows read it, and the question they ask
// about an answer that reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/input/atlas_hand_over.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const helion::AtlasRead read = helion::parseAtlasAnswer(text, "/atlas/");
    if (read.answer) helion::atlasAcceptQuestion(*read.answer);
    return 0;
}
