#pragma once
// What the Options window does with OPTIONS.OPT besides editing it: save and reload,
// and restore the shipped values from the master copy OPTIONS.MAS.

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/base/message.h"
#include "core/config/options.h"

namespace helion {

// Writes the editor text to OPTIONS.OPT and reads the file back over the previous
// values. A file that cannot be written keeps the previous values and says so.
OptionsLoad saveOptionsText(const std::filesystem::path& programFolder, std::string_view editorText,
                            const OptionValues& previous);

// Copies OPTIONS.MAS over OPTIONS.OPT in one step. Without a readable master copy the
// restore is refused and OPTIONS.OPT stays untouched. The values in use do not change
// until the next save.
std::optional<Message> restoreDefaultOptions(const std::filesystem::path& programFolder);

}  // namespace helion
