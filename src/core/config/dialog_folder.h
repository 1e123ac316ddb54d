#pragma once
// Where file dialogs open. A program folder of its own is where the user keeps the data
// files; the per-user data folder under ~/.local/share is hidden from file dialogs, so
// documents start in the user's documents folder instead.

#include <filesystem>

namespace helion {

// The documents folder when the program folder lies inside the per-user data home and a
// documents folder is given (empty: none), otherwise the program folder.
std::filesystem::path dialogStartFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& userDataHome,
                                        const std::filesystem::path& documentsFolder);

}  // namespace helion
