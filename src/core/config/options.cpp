#include "core/config/options.h"

namespace helion {

namespace {

OptionsLoad loadOver(const std::filesystem::path& file, const OptionValues& previous, bool valuesInUse) {
    OptionsLoad load{{}, previous};
    static_cast<ValueTableRead&>(load) = readValueTable(file, load.values.value, "options file", valuesInUse);
    return load;
}

}  // namespace

OptionsLoad loadOptions(const std::filesystem::path& file, const OptionValues& previous) {
    return loadOver(file, previous, true);
}

OptionsLoad loadOptions(const std::filesystem::path& file) { return loadOver(file, OptionValues{}, false); }

}  // namespace helion
