#include "core/atlas/text_folding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace helion {
namespace {

// A run of code points that all fold to the same ASCII text (empty: dropped).
struct FoldRange {
    char32_t first;
    char32_t last;
    std::string_view ascii;
};

// Sorted by code point; code points outside every range are kept as they are.
constexpr auto kFoldRanges = std::to_array<FoldRange>({
    {0x00C0, 0x00C5, "a"},
    {0x00C6, 0x00C6, "ae"},
    {0x00C7, 0x00C7, "c"},
    {0x00C8, 0x00CB, "e"},
    {0x00CC, 0x00CF, "i"},
    {0x00D0, 0x00D0, "d"},
    {0x00D1, 0x00D1, "n"},
    {0x00D2, 0x00D6, "o"},
    {0x00D8, 0x00D8, "o"},
    {0x00D9, 0x00DC, "u"},
    {0x00DD, 0x00DD, "y"},
    {0x00DE, 0x00DE, "th"},
    {0x00DF, 0x00DF, "ss"},
    {0x00E0, 0x00E5, "a"},
    {0x00E6, 0x00E6, "ae"},
    {0x00E7, 0x00E7, "c"},
    {0x00E8, 0x00EB, "e"},
    {0x00EC, 0x00EF, "i"},
    {0x00F0, 0x00F0, "d"},
    {0x00F1, 0x00F1, "n"},
    {0x00F2, 0x00F6, "o"},
    {0x00F8, 0x00F8, "o"},
    {0x00F9, 0x00FC, "u"},
    {0x00FD, 0x00FD, "y"},
    {0x00FE, 0x00FE, "th"},
    {0x00FF, 0x00FF, "y"},
    // Latin Extended-A
    {0x0100, 0x0105, "a"},
    {0x0106, 0x010D, "c"},
    {0x010E, 0x0111, "d"},
    {0x0112, 0x011B, "e"},
    {0x011C, 0x0123, "g"},
    {0x0124, 0x0127, "h"},
    {0x0128, 0x0131, "i"},
    {0x0132, 0x0133, "ij"},
    {0x0134, 0x0135, "j"},
    {0x0136, 0x0138, "k"},
    {0x0139, 0x0142, "l"},
    {0x0143, 0x014B, "n"},
    {0x014C, 0x0151, "o"},
    {0x0152, 0x0153, "oe"},
    {0x0154, 0x0159, "r"},
    {0x015A, 0x0161, "s"},
    {0x0162, 0x0167, "t"},
    {0x0168, 0x0173, "u"},
    {0x0174, 0x0175, "w"},
    {0x0176, 0x0178, "y"},
    {0x0179, 0x017E, "z"},
    {0x017F, 0x017F, "s"},
    // Latin Extended-B: Vietnamese horned letters, pinyin carons, Romanian comma letters
    {0x0180, 0x0180, "b"},
    {0x01A0, 0x01A1, "o"},
    {0x01AF, 0x01B0, "u"},
    {0x01CD, 0x01CE, "a"},
    {0x01CF, 0x01D0, "i"},
    {0x01D1, 0x01D2, "o"},
    {0x01D3, 0x01DC, "u"},
    {0x0218, 0x0219, "s"},
    {0x021A, 0x021B, "t"},
    // Modifier letters written for apostrophes and the ʻokina: "Nukuʻalofa"
    {0x02BB, 0x02BC, ""},
    // Combining diacritical marks (text in decomposed form)
    {0x0300, 0x036F, ""},
    // Latin Extended Additional: transliteration dots and the Vietnamese tone marks
    {0x1E00, 0x1E01, "a"},
    {0x1E02, 0x1E07, "b"},
    {0x1E08, 0x1E09, "c"},
    {0x1E0A, 0x1E13, "d"},
    {0x1E14, 0x1E1D, "e"},
    {0x1E1E, 0x1E1F, "f"},
    {0x1E20, 0x1E21, "g"},
    {0x1E22, 0x1E2B, "h"},
    {0x1E2C, 0x1E2F, "i"},
    {0x1E30, 0x1E35, "k"},
    {0x1E36, 0x1E3D, "l"},
    {0x1E3E, 0x1E43, "m"},
    {0x1E44, 0x1E4B, "n"},
    {0x1E4C, 0x1E53, "o"},
    {0x1E54, 0x1E57, "p"},
    {0x1E58, 0x1E5F, "r"},
    {0x1E60, 0x1E69, "s"},
    {0x1E6A, 0x1E71, "t"},
    {0x1E72, 0x1E7B, "u"},
    {0x1E7C, 0x1E7F, "v"},
    {0x1E80, 0x1E89, "w"},
    {0x1E8A, 0x1E8D, "x"},
    {0x1E8E, 0x1E8F, "y"},
    {0x1E90, 0x1E95, "z"},
    {0x1E96, 0x1E96, "h"},
    {0x1E97, 0x1E97, "t"},
    {0x1E98, 0x1E98, "w"},
    {0x1E99, 0x1E99, "y"},
    {0x1EA0, 0x1EB7, "a"},
    {0x1EB8, 0x1EC7, "e"},
    {0x1EC8, 0x1ECB, "i"},
    {0x1ECC, 0x1EE3, "o"},
    {0x1EE4, 0x1EF1, "u"},
    {0x1EF2, 0x1EF9, "y"},
    // Hyphens and dashes part words like a blank; typographic apostrophes go like the
    // typed one
    {0x2010, 0x2015, " "},
    {0x2018, 0x2019, ""},
});

static_assert(std::ranges::is_sorted(kFoldRanges, {}, &FoldRange::first));

const FoldRange* rangeOf(char32_t codePoint) {
    const auto* range = std::ranges::upper_bound(kFoldRanges, codePoint, {}, &FoldRange::first);
    if (range == kFoldRanges.begin()) return nullptr;
    --range;
    return codePoint <= range->last ? range : nullptr;
}

// Decodes the UTF-8 sequence at the start of `text` (two to four bytes); 0 bytes when
// it is not a valid sequence.
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Decoded decodeMultiByte(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    const std::size_t length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || length > text.size()) return {};
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80) return {};
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {codePoint, length};
}

}  // namespace

std::string foldForSearch(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    while (!utf8.empty()) {
        const char c = utf8.front();
        if (static_cast<std::uint8_t>(c) < 0x80) {
            if (c == '-') {
                folded += ' ';
            } else if (c != '\'' && c != '`') {
                folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
            utf8.remove_prefix(1);
            continue;
        }
        const Decoded decoded = decodeMultiByte(utf8);
        const std::size_t length = decoded.length == 0 ? 1 : decoded.length;
        const FoldRange* range = decoded.length == 0 ? nullptr : rangeOf(decoded.codePoint);
        if (range != nullptr) {
            folded += range->ascii;
        } else {
            folded += utf8.substr(0, length);
        }
        utf8.remove_prefix(length);
    }
    return folded;
}

}  // namespace helion
