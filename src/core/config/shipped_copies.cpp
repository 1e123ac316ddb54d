#include "core/config/shipped_copies.h"

#include <charconv>
#include <cstdio>

#include "core/base/text_file.h"

namespace helion {

std::uint64_t contentHash(std::string_view content) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : content) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

ShippedCopies readShippedCopies(const std::filesystem::path& folder) {
    ShippedCopies copies;
    const auto text = readTextFile(folder / kShippedCopiesFile);
    if (!text) return copies;
    for (const std::string_view line : splitLines(*text)) {
        constexpr std::size_t kHashDigits = 16;
        if (line.size() <= kHashDigits + 1 || line[kHashDigits] != ' ') continue;
        std::uint64_t hash = 0;
        const auto [end, error] = std::from_chars(line.data(), line.data() + kHashDigits, hash, 16);
        if (error != std::errc{} || end != line.data() + kHashDigits) continue;
        copies[std::string(line.substr(kHashDigits + 1))] = hash;
    }
    return copies;
}

bool writeShippedCopies(const std::filesystem::path& folder, const ShippedCopies& copies) {
    std::string text;
    for (const auto& [name, hash] : copies) {
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
        text += std::string(digits) + " " + name + std::string(kLineBreak);
    }
    return static_cast<bool>(writeFileAtomically(folder / kShippedCopiesFile, text));
}

}  // namespace helion
