#include "core/input/names_file.h"

#include "core/base/file_error.h"
#include "core/base/text_file.h"

namespace helion {

namespace {

constexpr std::size_t kNameFields = 7;

}  // namespace

std::filesystem::path currentNamesFile(const std::string& dataFile, const std::filesystem::path& programFolder) {
    return dataFile.empty() ? programFolder / kDefaultNamesFile : std::filesystem::path(dataFile);
}

NamesFile parseNamesFile(std::string_view text) {
    const auto lines = splitLines(text);
    return parseRecordList<NameRecord>(text, kNameFields, kNamesFileErrorText, [&](FieldRecord& record) {
        return NameRecord{std::move(record.fields[0]), std::string(lines[static_cast<std::size_t>(record.line - 1)]),
                          record.line};
    });
}

NamesFile loadNamesFile(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (!text)
        return unusableRecordList<NameRecord>("the file cannot be read: " + whyUnreadable(file), kNamesFileErrorText);
    // A damaged line ends the list as a broken record does: the people before it stay.
    const TextBeforeControl readable = textBeforeControlLine(*text);
    NamesFile names = parseNamesFile(readable.text);
    if (readable.controlLine != 0) {
        names.problems.push_back({readable.controlLine, kControlCharacterProblem});
        names.error = errorMessage(kNamesFileErrorText);
    }
    return names;
}

}  // namespace helion
