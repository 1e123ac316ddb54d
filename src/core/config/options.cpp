#include "core/config/options.h"

#include "core/config/value_lines.h"

namespace helion {

namespace {

OptionsLoad loadOver(const std::filesystem::path& file, const OptionValues& previous, bool valuesInUse) {
    OptionsLoad load{previous, {}, {}, 0};
    ValueFile read = readValueFile(file, kOptionEntries, "options file");
    load.problems = std::move(read.lines.problems);
    if (read.error) {
        load.messages.push_back(valuesInUse ? read.errorKeepingValuesInUse() : *read.error);
        return load;
    }
    for (std::size_t i = 0; i < read.lines.values.size(); ++i) load.values.value[i + 1] = read.lines.values[i];
    load.entriesRead = read.lines.values.size();
    return load;
}

}  // namespace

OptionsLoad loadOptions(const std::filesystem::path& file, const OptionValues& previous) {
    return loadOver(file, previous, true);
}

OptionsLoad loadOptions(const std::filesystem::path& file) { return loadOver(file, OptionValues{}, false); }

}  // namespace helion
