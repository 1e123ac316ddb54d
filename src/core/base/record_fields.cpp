#include "core/base/record_fields.h"

#include <cctype>
#include <cstdlib>

#include "core/base/text_file.h"

namespace helion {

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.emplace_back(trimmed(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<double> exactNumber(std::string_view field) {
    const std::string_view text = trimmed(field);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) ++digits;
        else if (text[i] == '.' && !point) point = true;
        else return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr);
}

FieldRecords readFieldRecords(std::string_view text, std::size_t fieldCount) {
    FieldRecords result;
    const auto lines = splitLines(text);
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        auto fields = splitFields(lines[i]);
        if (fields.front().empty()) break;
        const int line = static_cast<int>(i) + 1;
        if (fields.size() != fieldCount) {
            result.problems.push_back({line, std::to_string(fields.size()) + " fields where a record has " +
                                                 std::to_string(fieldCount)});
            continue;
        }
        if (result.problems.empty()) result.records.push_back({std::move(fields), line});
    }
    for (std::size_t k = i + 1; k < lines.size(); ++k)
        if (!lines[k].empty()) {
            result.problems.push_back({static_cast<int>(k) + 1, "this follows line " + std::to_string(i + 1) +
                                                                    ", whose empty first field ends the list, and is never read"});
            break;
        }
    return result;
}

}  // namespace helion
