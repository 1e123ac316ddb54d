#include "core/input/names_save.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "core/base/record_fields.h"
#include "core/base/text_file.h"
#include "core/input/names_record.h"

namespace helion {
namespace {

// Degrees (or hours) and minutes packed as D.MM with two decimals and at least
// `wholeDigits` digits before the point: 71 and 4 give "71.04", east or south negative.
std::string packedText(const BoxNumber& whole, const BoxNumber& minutes, bool negative, int wholeDigits) {
    const long hundredths = std::lround(whole.value * 100.0) + std::lround(minutes.value);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%0*ld.%02ld", negative && hundredths != 0 ? "-" : "", wholeDigits,
                  hundredths / 100, hundredths % 100);
    return buffer;
}

}  // namespace

std::string recordDateText(const TypedInput& typed) {
    const auto whole = [](const BoxNumber& box) {
        // Far beyond any date; keeps the conversion to int defined.
        return std::fabs(box.value) < 1e6 ? static_cast<int>(std::lround(box.value)) : 0;
    };
    return namesDateText(whole(typed.day), whole(typed.month), whole(typed.year));
}

std::string recordTimeText(const TypedInput& typed) { return packedText(typed.hour, typed.minute, false, 1); }

const char* recordMeridiemText(Meridiem meridiem) { return meridiem == Meridiem::PM ? "P" : "A"; }

std::string namesRecordLine(const InputWindowTexts& texts) {
    const TypedInput typed = typedInput(texts);
    return texts.name + "," + recordDateText(typed) + "," + recordTimeText(typed) + "," +
           recordMeridiemText(typed.meridiem) + "," + texts.zone + "," +
           packedText(typed.longitudeDegrees, typed.longitudeMinutes, typed.east, 2) + "," +
           packedText(typed.latitudeDegrees, typed.latitudeMinutes, typed.south, 2);
}

std::optional<Message> namesSaveRefusal(const InputWindowTexts& texts) {
    if (texts.name.find(',') != std::string::npos) return warningMessage(kNameCommaText);
    const NamesRecordParse parse = parseNamesRecord(namesRecordLine(texts));
    if (!parse.texts) return warningMessage("The data cannot be saved: " + parse.error + ".");
    return std::nullopt;
}

Message replaceNameQuestion(std::string_view newName, const NameRecord& existing) {
    auto fields = trimmedFields(existing.text);
    fields.resize(7);
    const std::string text =
        "There is already a name on file matching your current name with the following "
        "associated data: \nDate =  " +
        fields[1] + "\nTime =  " + fields[2] + " " + fields[3] + "\nTime zone =  " + fields[4] +
        "\nLongitude =  " + fields[5] + "\nLatitude =  " + fields[6] +
        "\n\nDo you want to replace it?\n\nAnswering 'NO' will append the current "
        "name and data to file, not replace the existing entry.";
    return {std::string(newName) + " already exists", text};
}

Message createNamesFileQuestion(const std::filesystem::path& namesFile) {
    return informationMessage("The names file " + namesFile.string() +
                              " does not exist. Do you want to make it with this person?");
}

std::vector<NameRecord> recordsNamed(const NamesFile& file, std::string_view name) {
    std::vector<NameRecord> same;
    const auto sameLetter = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    };
    for (const NameRecord& record : file.records)
        if (std::ranges::equal(record.name, trimmed(name), sameLetter)) same.push_back(record);
    return same;
}

std::string namesFileAfterSave(std::string_view oldText, const std::vector<int>& replacedLines,
                               std::string_view newRecord) {
    std::string text;
    const auto lines = splitLines(oldText);
    std::size_t end = 0;
    for (; end < lines.size(); ++end) {
        // The list ends at the first line without a name; the new record goes there.
        if (trimmed(splitFields(lines[end]).front()).empty()) break;
        if (std::ranges::find(replacedLines, static_cast<int>(end) + 1) != replacedLines.end()) continue;
        text.append(lines[end]).append(kLineBreak);
    }
    text.append(newRecord).append(kLineBreak);
    // What the user keeps below the list's end (notes, old records) stays below it; only
    // the empty lines at the very end go.
    std::size_t last = lines.size();
    while (last > end && trimmed(lines[last - 1]).empty()) --last;
    for (std::size_t k = end; k < last; ++k) text.append(lines[k]).append(kLineBreak);
    return text;
}

std::filesystem::path namesBackupPath(const std::filesystem::path& namesFile) {
    std::string path = namesFile.string();
    const std::size_t extension = path.size() >= 3 ? path.size() - 3 : 0;
    return path.replace(extension, std::string::npos, "OLD");
}

std::optional<Message> replaceNamesFile(const std::filesystem::path& namesFile, std::string_view oldText,
                                        std::string_view newText, const FileReplace& replace) {
    const auto written = [&](const std::filesystem::path& file, std::string_view text,
                             LinkAtPath link) -> std::optional<Message> {
        const FileWrite result = replace(file, text, link);
        if (result) return std::nullopt;
        return warningMessage("The file " + file.string() + cannotBeWritten(result) +
                              " The names file is left as it was and nothing has been saved.");
    };
    if (auto failure = written(namesBackupPath(namesFile), oldText, LinkAtPath::ReplaceTheLink)) return failure;
    return written(namesFile, newText, LinkAtPath::ReplaceItsFile);
}

}  // namespace helion
