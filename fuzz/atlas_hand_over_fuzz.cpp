// The two files an atlas program leaves for the input windows, read as they read them:
// the input up to its first NUL byte is PCATPATH.TXT, which names the folder of
// TSRTEMP.TXT, and the rest is TSRTEMP.TXT. Both are written into a scratch folder that
// is the working folder, so PCATPATH.TXT can name it as "./".
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "core/input/atlas_hand_over.h"

namespace {

void write(const char* name, std::string_view text) {
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/helion-fuzz-atlas-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    write("PCATPATH.TXT", input.substr(0, split));
    write("TSRTEMP.TXT", input.substr(std::min(split + 1, input.size())));
    const helion::AtlasRead read = helion::readAtlasHandOver("./");
    if (read.answer) helion::atlasAcceptQuestion(*read.answer);
    return 0;
}
