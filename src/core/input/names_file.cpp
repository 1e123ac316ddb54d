#include "core/input/names_file.h"

#include "core/base/record_fields.h"
#include "core/base/text_file.h"

namespace helion {

namespace {

constexpr std::size_t kNameFields = 7;

}  // namespace

NamesFile parseNamesFile(std::string_view text) {
    NamesFile file;
    FieldRecords read = readFieldRecords(text, kNameFields);
    const auto lines = splitLines(text);
    for (auto& record : read.records)
        file.names.push_back(
            {std::move(record.fields[0]), std::string(lines[static_cast<std::size_t>(record.line - 1)]), record.line});
    file.problems = std::move(read.problems);
    if (!file.problems.empty()) file.error = Message{kErrorCaption, kNamesFileErrorText};
    return file;
}

NamesFile loadNamesFile(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (text && looksLikeText(*text)) return parseNamesFile(*text);
    NamesFile failed;
    failed.problems.push_back({0, text ? "not a text file" : "the file cannot be read"});
    failed.error = Message{kErrorCaption, kNamesFileErrorText};
    return failed;
}

}  // namespace helion
