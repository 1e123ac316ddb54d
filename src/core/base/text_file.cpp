#include "core/base/text_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace helion {

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return content;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const std::size_t afterReturns = text.find_first_not_of('\r', end);
        const bool lineFeed = afterReturns != std::string_view::npos && text[afterReturns] == '\n';
        start = lineFeed ? afterReturns + 1 : end + 1;
    }
    return lines;
}

TextBeforeControl textBeforeControlLine(std::string_view text) {
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!looksLikeText(lines[i]))
            return {text.substr(0, static_cast<std::size_t>(lines[i].data() - text.data())), static_cast<int>(i) + 1};
    return {text, 0};
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool looksLikeText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f') return false;
        if (byte == 0x7f) return false;
    }
    return true;
}

std::string fileNameOf(const std::filesystem::path& path) { return path.filename().string(); }

}  // namespace helion
