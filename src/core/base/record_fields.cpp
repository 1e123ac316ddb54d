#include "core/base/record_fields.h"

#include "core/base/text_file.h"

namespace helion {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::vector<std::string> trimmedFields(std::string_view line) {
    std::vector<std::string> fields;
    for (const std::string_view field : splitFields(line)) fields.emplace_back(trimmed(field));
    return fields;
}

FieldRecords readFieldRecords(std::string_view text, std::size_t fieldCount) {
    FieldRecords result;
    const auto lines = splitLines(text);
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        auto fields = trimmedFields(lines[i]);
        if (fields.front().empty()) break;
        const int line = static_cast<int>(i) + 1;
        if (fields.size() != fieldCount) {
            result.problems.push_back(
                {line, std::to_string(fields.size()) + " fields where a record has " + std::to_string(fieldCount)});
            continue;
        }
        if (result.problems.empty()) result.records.push_back({std::move(fields), line});
    }
    for (std::size_t k = i + 1; k < lines.size(); ++k)
        if (!lines[k].empty()) {
            result.problems.push_back(
                {static_cast<int>(k) + 1, "this follows line " + std::to_string(i + 1) +
                                              ", whose empty first field ends the list, and is never read"});
            break;
        }
    return result;
}

}  // namespace helion
