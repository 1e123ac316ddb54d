#include "core/input/atlas_hand_over.h"

#include <cctype>

#include "core/base/numeric_text.h"
#include "core/base/text_file.h"
#include "core/input/input_window_logic.h"
#include "core/input/names_save.h"

namespace helion {
namespace {

struct Coordinate {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // east or south
};

std::optional<int> wholeNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "42N21": degrees before the letter, minutes after it.
std::optional<Coordinate> coordinate(std::string_view text, char positive, char negative, int maxDegrees) {
    text = trimmed(text);
    const std::size_t letter = text.find_first_of(std::string{positive, negative});
    if (letter == std::string_view::npos) return std::nullopt;
    const auto degrees = wholeNumber(text.substr(0, letter));
    const auto minutes = wholeNumber(text.substr(letter + 1));
    if (!degrees || !minutes || *minutes >= 60 || *degrees * 60 + *minutes > maxDegrees * 60) return std::nullopt;
    return Coordinate{*degrees, *minutes, text[letter] == negative};
}

Message cannotFind(std::string_view file, const std::string& folder) {
    return warningMessage("Cannot find the file called " + std::string(file) + " in the " + folder + " directory.");
}

}  // namespace

std::vector<std::string> atlasArguments(const InputWindowTexts& texts) {
    const TypedInput typed = typedInput(texts);
    return {
        "--date", recordDateText(typed), "--time", recordTimeText(typed), "--ampm", recordMeridiemText(typed.meridiem)};
}

std::string withFinalSlash(std::string folder) {
    if (!folder.ends_with('/')) folder += '/';
    return folder;
}

AtlasRead parseAtlasAnswer(std::string_view text, const std::string& folder) {
    const auto lines = splitLines(text);
    const Message unreadable = warningMessage("The file " + std::string(kAtlasAnswerFile) + " in the " + folder +
                                              " directory does not hold a time zone, latitude and longitude "
                                              "that can be read. No data is taken from it.");
    if (lines.size() < 3 || !looksLikeText(text)) return {std::nullopt, unreadable};
    const auto zone = exactNumber(trimmed(lines[0]));
    const auto latitude = coordinate(lines[1], 'N', 'S', 90);
    const auto longitude = coordinate(lines[2], 'W', 'E', 180);
    if (!zone || *zone < -24 || *zone > 24 || !latitude || !longitude) return {std::nullopt, unreadable};
    AtlasAnswer answer{*zone, std::string(trimmed(lines[1])), std::string(trimmed(lines[2])), {}};
    answer.place = CityPlace{longitude->degrees,
                             longitude->minutes,
                             longitude->negative,
                             latitude->degrees,
                             latitude->minutes,
                             latitude->negative,
                             *zone};
    return {answer, std::nullopt};
}

AtlasRead readAtlasHandOver(const std::string& atlasFolder) {
    const auto pathText = readTextFile(std::filesystem::path(atlasFolder) / kAtlasFolderFile);
    const auto pathLines = pathText ? splitLines(*pathText) : std::vector<std::string_view>{};
    // The file is named without its extension in this message.
    if (pathLines.empty() || trimmed(pathLines[0]).empty()) return {std::nullopt, cannotFind("PCATPATH", atlasFolder)};
    const std::string resultFolder = withFinalSlash(std::string(trimmed(pathLines[0])));
    const auto answerText = readTextFile(std::filesystem::path(resultFolder) / kAtlasAnswerFile);
    if (!answerText) return {std::nullopt, cannotFind(kAtlasAnswerFile, resultFolder)};
    return parseAtlasAnswer(*answerText, resultFolder);
}

Message atlasAcceptQuestion(const AtlasAnswer& answer) {
    return {kAtlasQuestionCaption, "\n\nAccept following data? \nLongitude = " + answer.longitude +
                                       "\nLatitude  = " + answer.latitude + "\nTime zone = " + numberText(answer.zone)};
}

}  // namespace helion
