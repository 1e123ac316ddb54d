#include "core/config/wheel_data_tables.h"

#include <string>

#include "core/base/file_error.h"
#include "core/base/numeric_text.h"
#include "core/base/text_file.h"

namespace helion {

IntegerTableRead parseIntegerTable(std::string_view text, std::size_t entries) {
    IntegerTableRead read;
    const auto lines = splitLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        std::string_view line = lines[index];
        while (!line.empty()) {
            const auto comma = line.find(',');
            const std::string_view field = trimmed(line.substr(0, comma));
            line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
            if (field.empty()) continue;
            const auto value = exactShortInteger(field);
            if (!value) {
                read.fault = {lineNumber, "\"" + std::string(field) + "\" is not a whole number from -32768 to 32767"};
                return read;
            }
            if (read.values.size() == entries) {
                read.fault = {lineNumber, "the table ends after " + std::to_string(entries) + " values"};
                return read;
            }
            read.values.push_back(*value);
            read.lines.push_back(lineNumber);
        }
    }
    return read;
}

IntegerTableRead readIntegerTable(const std::filesystem::path& file, std::size_t entries) {
    IntegerTableRead read;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        read.missing = true;
        return read;
    }
    if (const auto size = std::filesystem::file_size(file, error); !error && size > kLargestTableFile) {
        read.fault = {0, "the file is larger than " + std::to_string(kLargestTableFile / 1024) +
                             " KB, far more than the table's " + std::to_string(entries) + " values take"};
        return read;
    }
    const auto content = readTextFile(file);
    if (!content || !looksLikeText(*content)) {
        read.fault = {0, content ? "not a text file" : "the file cannot be read: " + whyUnreadable(file)};
        return read;
    }
    return parseIntegerTable(*content, entries);
}

}  // namespace helion
