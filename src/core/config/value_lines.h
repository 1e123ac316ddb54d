#pragma once
// Files of one number per line (options and orb files). Only the first 7 characters
// of a line count and are read by the leading-number rule; the rest of the line is a
// free description. The first empty line, or the end of the file, ends the list.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"
#include "core/base/message.h"

namespace helion {

inline constexpr std::size_t kValueWidth = 7;

struct ValueLines {
    std::vector<float> values;          // one per line before the first empty line
    std::vector<LineProblem> problems;  // lines a hand editor most likely got wrong
};

// Reads every value line. Problems that do not change the loaded values are noted for
// the data checker: a value field without a number, a number that runs past the
// 7th character and is cut, text after the first empty line that is never read.
ValueLines parseValueLines(std::string_view text);

// What reading a value file into a table of entries gives besides the entries.
struct ValueTableRead {
    std::vector<Message> messages;  // an error naming the file when it could not be used
    std::vector<LineProblem> problems;
    std::size_t valuesRead = 0;  // the value lines taken from the file
};

// Reads a value file into `entries`, line k into entry k; entry 0 is never used. A file
// that cannot be read, is not text, holds no value or more lines than there are entries
// leaves every entry as it was; `kind` names it in the message ("options file"), which
// adds, for a program that already uses values (`valuesInUse`), that they are kept.
ValueTableRead readValueTable(const std::filesystem::path& path, std::span<float> entries, std::string_view kind,
                              bool valuesInUse);

}  // namespace helion
