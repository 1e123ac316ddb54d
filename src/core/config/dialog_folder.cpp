#include "core/config/dialog_folder.h"

#include <algorithm>

namespace helion {
namespace {

bool inside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    const std::filesystem::path inner = path.lexically_normal();
    const std::filesystem::path outer = folder.lexically_normal();
    // A trailing separator leaves an empty last element; it does not count.
    auto outerEnd = outer.end();
    if (outer.has_relative_path() && outer.filename().empty()) --outerEnd;
    const auto outerLength = std::distance(outer.begin(), outerEnd);
    if (outer.empty() || std::distance(inner.begin(), inner.end()) <= outerLength) return false;
    return std::equal(outer.begin(), outerEnd, inner.begin());
}

}  // namespace

std::filesystem::path dialogStartFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& userDataHome,
                                        const std::filesystem::path& documentsFolder) {
    if (documentsFolder.empty() || !inside(programFolder, userDataHome)) return programFolder;
    return documentsFolder;
}

}  // namespace helion
