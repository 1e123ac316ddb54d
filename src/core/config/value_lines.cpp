#include "core/config/value_lines.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "core/base/numeric_text.h"
#include "core/base/text_file.h"

namespace helion {

namespace {

bool isNumberCharacter(char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }

}  // namespace

ValueLines parseValueLines(std::string_view text) {
    ValueLines result;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        if (line.empty()) {
            for (std::size_t k = i + 1; k < lines.size(); ++k)
                if (!lines[k].empty()) {
                    result.problems.push_back(
                        {static_cast<int>(k) + 1, "this line follows the empty line " + std::to_string(lineNumber) +
                                                      ", which ends the list, and is never read"});
                    break;
                }
            break;
        }
        const std::string_view field = line.substr(0, kValueWidth);
        const double value = numericValue(field);
        result.values.push_back(static_cast<float>(value));
        const std::string_view number = leadingNumber(field);
        const std::string_view afterNumber = field.substr(field.find(number) + number.size());
        if (!startsWithNumber(field))
            result.problems.push_back({lineNumber, "no number in the first 7 characters; the value is read as 0"});
        else if (!std::isfinite(static_cast<float>(value)))
            result.problems.push_back({lineNumber, "the number " + std::string(number) + " is too large to be held"});
        else if (!afterNumber.empty() && afterNumber.front() != ' ' && afterNumber.front() != '\t')
            result.problems.push_back({lineNumber, "\"" + std::string(trimmed(field)) + "\" is read as " +
                                                       std::string(number) +
                                                       ": a number is written with a point "
                                                       "and digits only"});
        else if (line.size() > kValueWidth && isNumberCharacter(line[kValueWidth - 1]) &&
                 isNumberCharacter(line[kValueWidth]))
            result.problems.push_back(
                {lineNumber, "the number runs past the 7th character and is cut to " + std::string(field)});
    }
    return result;
}

ValueTableRead readValueTable(const std::filesystem::path& path, std::span<float> entries, std::string_view kind,
                              bool valuesInUse) {
    ValueTableRead read;
    const std::string named = std::string("The ") + std::string(kind) + " " + path.string();
    const auto fail = [&](const std::string& what) {
        read.messages.push_back(errorMessage(named + what + (valuesInUse ? " The values in use are kept." : "")));
        return read;
    };
    const auto text = readTextFile(path);
    if (!text) return fail(" cannot be read.");
    if (!looksLikeText(*text)) return fail(" is not a text file.");
    ValueLines lines = parseValueLines(*text);
    read.problems = std::move(lines.problems);
    const std::size_t maxLines = entries.size() - 1;
    if (lines.values.empty()) return fail(" holds no values.");
    if (lines.values.size() > maxLines)
        return fail(" holds " + std::to_string(lines.values.size()) + " value lines, more than the " +
                    std::to_string(maxLines) + " it may have.");
    std::ranges::copy(lines.values, entries.begin() + 1);
    read.valuesRead = lines.values.size();
    return read;
}

}  // namespace helion
