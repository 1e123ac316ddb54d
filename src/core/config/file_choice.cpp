#include "core/config/file_choice.h"

#include <algorithm>
#include <cctype>

namespace helion {
namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

int preselectedFile(const std::vector<std::string>& names, const std::filesystem::path& currentFile) {
    if (names.empty()) return -1;
    // The whole file name must match: comparing only the path's last characters would
    // pick "S.FIL" for a current "NAMES.FIL".
    const std::string current = currentFile.filename().string();
    const auto match = std::ranges::find_if(names, [&](const std::string& n) { return sameIgnoringCase(n, current); });
    return match == names.end() ? 0 : static_cast<int>(match - names.begin());
}

}  // namespace helion
