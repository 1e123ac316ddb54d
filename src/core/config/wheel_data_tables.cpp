#include "core/config/wheel_data_tables.h"

#include <string>

#include "core/base/numeric_text.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

IntegerTableRead refused(std::string_view fileName, const std::string& why) {
    return {std::nullopt, Message{kWarningCaption, "The file " + std::string(fileName) + " " + why +
                                                       " The wheels are drawn without it."}};
}

}  // namespace

IntegerTableRead parseIntegerTable(std::string_view text, std::string_view fileName, std::size_t entries) {
    std::vector<std::int16_t> values(entries, 0);
    std::size_t count = 0;
    for (std::string_view line : splitLines(text)) {
        while (!line.empty()) {
            const auto comma = line.find(',');
            const std::string_view field = trimmed(line.substr(0, comma));
            line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
            if (field.empty()) continue;
            const auto value = exactShortInteger(field);
            if (!value)
                return refused(fileName, "holds \"" + std::string(field) +
                                             "\", which is not a whole number from -32768 to 32767.");
            if (count == entries) return refused(fileName, "holds more than " + std::to_string(entries) + " values.");
            values[count++] = *value;
        }
    }
    return {std::move(values), std::nullopt};
}

IntegerTableRead readIntegerTable(const std::filesystem::path& programFolder, std::string_view fileName,
                                  std::size_t entries) {
    const auto file = programFolder / fileName;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return {};
    const auto content = readTextFile(file);
    if (!content || !looksLikeText(*content)) return refused(fileName, "cannot be read.");
    return parseIntegerTable(*content, fileName, entries);
}

}  // namespace helion
