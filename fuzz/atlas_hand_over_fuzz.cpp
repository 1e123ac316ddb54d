// The two files an atlas program leaves for the input windows, read as they read them:
// the input up to its first NUL byte follows the scratch folder's path in PCATPATH.TXT,
// which names the folder of TSRTEMP.TXT, and the rest is TSRTEMP.TXT. Both are written
// into the scratch folder, so an empty first part names it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/input/atlas_hand_over.h"

namespace {

std::string scratchFolder;

void write(const char* name, std::string_view text) {
    std::ofstream(scratchFolder + name, std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/helion-fuzz-atlas-XXXXXX";
    if (mkdtemp(folder) == nullptr) std::abort();
    scratchFolder = std::string(folder) + "/";
    std::atexit([] { std::filesystem::remove_all(scratchFolder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    write("PCATPATH.TXT", scratchFolder + std::string(input.substr(0, split)));
    write("TSRTEMP.TXT", input.substr(std::min(split + 1, input.size())));
    const helion::AtlasRead read = helion::readAtlasHandOver(scratchFolder);
    if (read.answer) helion::atlasAcceptQuestion(*read.answer);
    return 0;
}
