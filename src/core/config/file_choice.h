#pragma once
// The file-select window's first choice: which listed file starts selected.

#include <filesystem>
#include <string>
#include <vector>

namespace helion {

// The entry to select among the listed file names: the one named like the current
// file, compared without regard to case, otherwise the first; -1 when none is listed.
int preselectedFile(const std::vector<std::string>& names, const std::filesystem::path& currentFile);

}  // namespace helion
