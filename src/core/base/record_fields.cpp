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
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto fields = trimmedFields(lines[i]);
        // The list ends here; whatever follows is left unread on purpose (notes, old records).
        if (fields.front().empty()) break;
        const int line = static_cast<int>(i) + 1;
        if (fields.size() != fieldCount) {
            result.problems.push_back(
                {line, std::to_string(fields.size()) + " fields where a record has " + std::to_string(fieldCount)});
            continue;
        }
        if (result.problems.empty()) result.records.push_back({std::move(fields), line});
    }
    return result;
}

}  // namespace helion
