// The settings file Helion.INI, read over the defaults and written back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/config/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const helion::SettingsRead read = helion::parseSettings(text, helion::defaultSettings("/program"));
    helion::formatSettings(read.settings);
    return 0;
}
