#pragma once
// The help menus show a plain-text help file of the program folder line by line in the
// Data window.

#include <filesystem>
#include <string_view>

#include "core/reports/report.h"

namespace helion {

// The file's lines, or a "Warning!" and no lines when it is missing or not text.
Report helpTextReport(const std::filesystem::path& programFolder, std::string_view fileName);

}  // namespace helion
