#pragma once
// Files of one number per line (options and orb files). Only the first 7 characters
// of a line count and are read by the leading-number rule; the rest of the line is a
// free description. The first empty line, or the end of the file, ends the list.

#include <cstddef>
#include <filesystem>
#include <optional>
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

struct ValueFile {
    ValueLines lines;
    // Set when the file must not be used: it cannot be read, is not text, holds no value
    // or more than the allowed number of lines. The caller then keeps its old values.
    std::optional<Message> error;
    // The error's message for a program that keeps the values it already uses.
    Message errorKeepingValuesInUse() const;
};

// Reads and checks a value file; `kind` names it in messages ("options file").
ValueFile readValueFile(const std::filesystem::path& path, std::size_t maxLines, std::string_view kind);

}  // namespace helion
